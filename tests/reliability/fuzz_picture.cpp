// Fuzz target for the picture loader: decode any bytes and, if accepted, fit them to the panel.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "window/image_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  // The panel's size, as the window asks for it: big pictures take the scaled DCT path.
  constexpr int kPanelW = 384, kPanelH = 264;
  picture::TRgb decoded;
  if (!picture::DecodeJpegMemory(data, size, decoded, kPanelW, kPanelH)) {
    // A refused picture leaves nothing behind.
    if (decoded.w != 0 || decoded.h != 0 || !decoded.px.empty())
      std::abort();
    return 0;
  }
  // What the decoder accepts is within its limits and holds exactly w * h RGB pixels.
  if (decoded.w <= 0 || decoded.h <= 0 || decoded.w > picture::kMaxSide ||
      decoded.h > picture::kMaxSide ||
      decoded.px.size() != static_cast<size_t>(decoded.w) * decoded.h * 3)
    std::abort();
  picture::TRgb fitted = picture::CoverFit(decoded, kPanelW, kPanelH);
  if (fitted.w != kPanelW || fitted.h != kPanelH ||
      fitted.px.size() != static_cast<size_t>(kPanelW) * kPanelH * 3)
    std::abort();
  return 0;
}
