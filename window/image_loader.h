// Loads an illustration file and fits it to the panel: scaled to cover, centred and cropped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace picture {

// Largest picture the game agrees to decode; anything bigger is treated as a failed load.
inline constexpr int kMaxSide = 8192;
inline constexpr long kMaxPixels = 16L * 1024 * 1024;

struct TRgb {
  int w = 0, h = 0;
  std::vector<uint8_t> px; // w * h * 3 bytes, rows top to bottom
};

// Decodes a baseline or progressive JPEG file. Fails (returns false) for a missing file, a
// directory, anything that is not a JPEG, a truncated or corrupt picture (even when part of it
// would decode), and for sizes of 0 or beyond the limits above. When minW/minH are given, a
// large picture is decoded at the smallest DCT scale that still covers minW x minH.
bool DecodeJpegFile(const std::string &path, TRgb &out, int minW = 0, int minH = 0);

// Same, from memory (the fuzzer drives this).
bool DecodeJpegMemory(const uint8_t *data, std::size_t size, TRgb &out, int minW = 0, int minH = 0);

// Cover fitting: scale by the larger of pw/w and ph/h keeping proportions, centre, crop to pw x
// ph. Area-averages when shrinking and interpolates bilinearly when enlarging.
TRgb CoverFit(const TRgb &src, int pw, int ph);

} // namespace picture
