// Benchmark hooks shared by the game's bench program and the minimal FLTK program.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

// The driver starts a program with QORVANE_BENCH_FD set to the write end of a pipe; the program
// writes "key value" lines to it. Times are steady-clock (CLOCK_MONOTONIC) nanoseconds, the clock
// the driver reads just before it forks, so a reported time minus the fork time is the start-up.
namespace bench {

inline long long NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// CPU time this process has used so far (all threads), in nanoseconds (microsecond steps).
inline long long CpuNs() {
  return static_cast<long long>(std::clock()) * (1000000000LL / CLOCKS_PER_SEC);
}

inline int EnvInt(const char *name, int fallback) {
  const char *v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}

inline std::string EnvText(const char *name) {
  const char *v = std::getenv(name);
  return v ? v : "";
}

// The labels of a button column, one per line.
inline std::vector<std::string> EnvLines(const char *name) {
  std::vector<std::string> out;
  std::string all = EnvText(name), line;
  for (char c : all) {
    if (c == '\n') {
      out.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty())
    out.push_back(line);
  return out;
}

inline void Report(const char *key, long long value) {
  static const int fd = EnvInt("QORVANE_BENCH_FD", -1);
  if (fd < 0)
    return;
  char line[96];
  const int n = std::snprintf(line, sizeof line, "%s %lld\n", key, value);
  if (n > 0 && write(fd, line, static_cast<size_t>(n)) != n)
    std::_Exit(3);
}

// Peak resident set size so far, in KiB, as the kernel counts it (VmHWM).
inline long long PeakRssKiB() {
  FILE *f = std::fopen("/proc/self/status", "r");
  long long kib = -1;
  if (!f)
    return kib;
  char line[256];
  while (std::fgets(line, sizeof line, f))
    if (std::strncmp(line, "VmHWM:", 6) == 0)
      kib = std::atoll(line + 6);
  std::fclose(f);
  return kib;
}

// Everything that is damaged gets drawn and the X server has carried out every request.
inline void FlushAndSync() {
  Fl::flush();
  XSync(fl_display, False);
}

// Waits until the window has been mapped and exposed, then draws it and syncs with the server.
inline void WaitUntilDrawn(Fl_Window *win) {
  win->wait_for_expose();
  FlushAndSync();
}

// Mean absolute difference per channel between a rectangle of the window as the X server holds
// it and the RGB pixels expected there (w * h * 3 bytes); 255 when the rectangle cannot be read.
inline double ScreenDifference(Fl_Window *win, int x, int y, int w, int h,
                               const unsigned char *expected) {
  XImage *img = XGetImage(fl_display, fl_xid(win), x, y, static_cast<unsigned>(w),
                          static_cast<unsigned>(h), AllPlanes, ZPixmap);
  if (!img)
    return 255.0;
  double sum = 0;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const unsigned long p = XGetPixel(img, i, j);
      const unsigned char *e = expected + (static_cast<size_t>(j) * w + i) * 3;
      sum += std::abs(static_cast<int>((p >> 16) & 0xFF) - e[0]) +
             std::abs(static_cast<int>((p >> 8) & 0xFF) - e[1]) +
             std::abs(static_cast<int>(p & 0xFF) - e[2]);
    }
  XDestroyImage(img);
  return sum / (3.0 * w * h);
}

// Writes a text to a file in the dump folder the driver gave (QORVANE_BENCH_DUMP), if any.
inline void Dump(const char *name, const std::string &text) {
  const std::string dir = EnvText("QORVANE_BENCH_DUMP");
  if (dir.empty())
    return;
  FILE *f = std::fopen((dir + "/" + name).c_str(), "wb");
  if (!f)
    std::_Exit(4);
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}

} // namespace bench
