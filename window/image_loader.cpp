// Illustration loading: a guarded libjpeg decoder and the cover-fitting resampler.
#include "window/image_loader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace picture {
namespace {

// libjpeg reports errors through a callback that must not return; we jump back to the decoder.
// Warnings (a truncated file, corrupt data) count as errors too: a half-decoded picture is
// never shown.
struct TJpegErr {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

[[noreturn]] void OnJpegError(j_common_ptr c) {
  std::longjmp(reinterpret_cast<TJpegErr *>(c->err)->jump, 1);
}

void OnJpegMessage(j_common_ptr c, int level) {
  if (level < 0)
    std::longjmp(reinterpret_cast<TJpegErr *>(c->err)->jump, 1);
}

void OnJpegOutput(j_common_ptr) {}

bool SizeAllowed(long w, long h) {
  return w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide && w * h <= kMaxPixels;
}

// Everything between setjmp and a possible longjmp is plain C data: no C++ object is created
// there whose destructor a jump could skip.
bool Decode(FILE *file, const uint8_t *data, std::size_t size, TRgb &out, int minW, int minH) {
  jpeg_decompress_struct cinfo;
  TJpegErr err;
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnJpegError;
  err.pub.emit_message = OnJpegMessage;
  err.pub.output_message = OnJpegOutput;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    out.w = out.h = 0;
    out.px.clear();
    return false;
  }
  jpeg_create_decompress(&cinfo);
  // Bounds what a progressive picture may buffer; beyond it libjpeg fails cleanly.
  cinfo.mem->max_memory_to_use = 256L * 1024 * 1024;
  if (file)
    jpeg_stdio_src(&cinfo, file);
  else
    jpeg_mem_src(&cinfo, const_cast<unsigned char *>(data), static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  if (!SizeAllowed(cinfo.image_width, cinfo.image_height)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  cinfo.out_color_space = JCS_RGB;
  // Big pictures: let the DCT shrink them by 2, 4 or 8 while they still cover the panel.
  cinfo.scale_num = 1;
  for (unsigned denom = 8; denom > 1; denom /= 2) {
    cinfo.scale_denom = denom;
    jpeg_calc_output_dimensions(&cinfo);
    if (minW > 0 && minH > 0 && cinfo.output_width >= static_cast<unsigned>(minW) &&
        cinfo.output_height >= static_cast<unsigned>(minH))
      break;
    cinfo.scale_denom = 1;
  }
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != 3) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  out.w = static_cast<int>(cinfo.output_width);
  out.h = static_cast<int>(cinfo.output_height);
  out.px.resize(static_cast<std::size_t>(out.w) * out.h * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = &out.px[static_cast<std::size_t>(cinfo.output_scanline) * out.w * 3];
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

// For one axis: which source samples make up each output sample, and with what weight.
struct TTap {
  int first = 0;
  std::vector<double> w;
};

std::vector<TTap> AxisTaps(int srcLen, int outLen, double scale) {
  const double offset = (srcLen * scale - outLen) / 2.0; // cropped away before the first sample
  std::vector<TTap> taps(outLen);
  for (int i = 0; i < outLen; ++i) {
    TTap &t = taps[i];
    if (scale >= 1.0) {
      // Enlarging (or 1:1): bilinear between the two nearest source samples.
      double u = (i + offset + 0.5) / scale - 0.5;
      if (u < 0)
        u = 0;
      if (u > srcLen - 1)
        u = srcLen - 1;
      int i0 = static_cast<int>(std::floor(u));
      double f = u - i0;
      t.first = i0;
      if (f > 1e-9 && i0 + 1 < srcLen)
        t.w = {1.0 - f, f};
      else
        t.w = {1.0};
    } else {
      // Shrinking: average every source sample the output sample covers, by overlap.
      double a = (i + offset) / scale, b = (i + 1 + offset) / scale;
      int i0 = std::max(0, static_cast<int>(std::floor(a)));
      int i1 = std::min(srcLen, static_cast<int>(std::ceil(b)));
      t.first = i0;
      double sum = 0;
      for (int k = i0; k < i1; ++k) {
        double ov = std::min<double>(b, k + 1) - std::max<double>(a, k);
        t.w.push_back(ov > 0 ? ov : 0);
        sum += t.w.back();
      }
      if (t.w.empty()) {
        t.first = std::min(i0, srcLen - 1);
        t.w = {1.0};
      } else {
        for (double &x : t.w)
          x /= sum;
      }
    }
  }
  return taps;
}

} // namespace

bool DecodeJpegFile(const std::string &path, TRgb &out, int minW, int minH) {
  out = TRgb();
  FILE *f = std::fopen(path.c_str(), "rb");
  if (!f)
    return false;
  struct stat st;
  bool ok =
      fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode) && Decode(f, nullptr, 0, out, minW, minH);
  std::fclose(f);
  return ok;
}

bool DecodeJpegMemory(const uint8_t *data, std::size_t size, TRgb &out, int minW, int minH) {
  out = TRgb();
  if (!data || size == 0)
    return false;
  return Decode(nullptr, data, size, out, minW, minH);
}

TRgb CoverFit(const TRgb &src, int pw, int ph) {
  TRgb out;
  if (src.w <= 0 || src.h <= 0 || pw <= 0 || ph <= 0)
    return out;
  // A picture of the panel's own size is shown as it is: at scale 1 every tap below is a single
  // weight of 1.0 on the same pixel, so the resampler would return these very bytes, only slowly.
  if (src.w == pw && src.h == ph)
    return src;
  const double scale = std::max(static_cast<double>(pw) / src.w, static_cast<double>(ph) / src.h);
  const std::vector<TTap> tx = AxisTaps(src.w, pw, scale);
  const std::vector<TTap> ty = AxisTaps(src.h, ph, scale);

  // Horizontal pass over the source rows that the crop keeps, then vertical pass into the panel.
  const int rowLo = ty.front().first;
  const int rowHi = ty.back().first + static_cast<int>(ty.back().w.size());
  std::vector<float> mid(static_cast<std::size_t>(pw) * (rowHi - rowLo) * 3);
  for (int y = rowLo; y < rowHi; ++y) {
    const uint8_t *row = &src.px[static_cast<std::size_t>(y) * src.w * 3];
    float *dst = &mid[static_cast<std::size_t>(y - rowLo) * pw * 3];
    for (int x = 0; x < pw; ++x) {
      double acc[3] = {0, 0, 0};
      for (std::size_t k = 0; k < tx[x].w.size(); ++k) {
        const uint8_t *p = row + (tx[x].first + k) * 3;
        for (int c = 0; c < 3; ++c)
          acc[c] += tx[x].w[k] * p[c];
      }
      for (int c = 0; c < 3; ++c)
        dst[x * 3 + c] = static_cast<float>(acc[c]);
    }
  }
  out.w = pw;
  out.h = ph;
  out.px.resize(static_cast<std::size_t>(pw) * ph * 3);
  for (int y = 0; y < ph; ++y) {
    for (int x = 0; x < pw; ++x) {
      double acc[3] = {0, 0, 0};
      for (std::size_t k = 0; k < ty[y].w.size(); ++k) {
        const float *p = &mid[((ty[y].first - rowLo + k) * pw + x) * 3];
        for (int c = 0; c < 3; ++c)
          acc[c] += ty[y].w[k] * p[c];
      }
      for (int c = 0; c < 3; ++c) {
        double v = std::round(acc[c]);
        out.px[(static_cast<std::size_t>(y) * pw + x) * 3 + c] =
            static_cast<uint8_t>(v < 0     ? 0
                                 : v > 255 ? 255
                                           : v);
      }
    }
  }
  return out;
}

} // namespace picture
