// The benchmark driver: starts the game and the minimal FLTK program in turn and prints the table.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <jpeglib.h>

// What it measures, for the game and for the minimal program alike:
//  - start-up: from the fork to the first room drawn and synced with the X server, as the
//    program reports it (QORVANE_BENCH_FD);
//  - one move: from the press of a choice button to the next room drawn and synced, in-process;
//  - peak resident memory (VmHWM) and CPU used while idle, on the real programs with no hook,
//    watched from outside through /proc and the X server.
extern char **environ;

namespace {

struct TOptions {
  std::string game, minimal, real;
  int runs = 21, moves = 10, idleRuns = 3, idleSeconds = 5;
};

// The steady clock is CLOCK_MONOTONIC, the one the programs report in.
long long NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void SleepNs(long long ns) {
  std::this_thread::sleep_for(std::chrono::nanoseconds(ns));
}

[[noreturn]] void Fail(const std::string &why) {
  std::fprintf(stderr, "qorvane-bench: %s\n", why.c_str());
  std::exit(1);
}

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

double Median(std::vector<double> v) {
  if (v.empty())
    return -1;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// ---- starting programs ------------------------------------------------------------------

using TEnv = std::vector<std::string>;

TEnv BaseEnvironment(const std::map<std::string, std::string> &extra) {
  TEnv env;
  for (char **e = environ; *e; ++e) {
    const std::string kv = *e;
    if (kv.rfind("QORVANE_BENCH_", 0) != 0)
      env.push_back(kv);
  }
  for (const auto &kv : extra)
    env.push_back(kv.first + "=" + kv.second);
  return env;
}

struct TChild {
  pid_t pid = -1;
  int reportFd = -1; // read end of the report pipe, or -1
  long long forkNs = 0;
};

// Forks and execs the program with the environment; with a report pipe, its write end is fd 3.
TChild Spawn(const std::string &program, TEnv env, bool reportPipe) {
  int p[2] = {-1, -1};
  if (reportPipe) {
    if (pipe(p) != 0)
      Fail("pipe failed");
    env.push_back("QORVANE_BENCH_FD=3");
  }
  std::vector<char *> envp;
  for (std::string &kv : env)
    envp.push_back(&kv[0]);
  envp.push_back(nullptr);
  std::string prog = program;
  char *argv[] = {&prog[0], nullptr};

  std::fflush(stdout);
  TChild c;
  c.forkNs = NowNs();
  c.pid = fork();
  if (c.pid < 0)
    Fail("fork failed");
  if (c.pid == 0) {
    if (reportPipe) {
      close(p[0]);
      if (p[1] != 3) {
        dup2(p[1], 3);
        close(p[1]);
      }
    }
    execve(argv[0], argv, envp.data());
    _exit(127);
  }
  if (reportPipe) {
    close(p[1]);
    c.reportFd = p[0];
  }
  return c;
}

// Everything a program reported, by key, in order; and how it ended.
struct TReport {
  std::map<std::string, std::vector<long long>> values;
  long long maxRssKiB = 0;
  int status = 0;
  long long Get(const std::string &key) const {
    auto it = values.find(key);
    return it == values.end() || it->second.empty() ? -1 : it->second.front();
  }
};

TReport RunReporting(const std::string &program, const TEnv &env) {
  TChild c = Spawn(program, env, true);
  std::string all;
  char buf[4096];
  for (;;) {
    ssize_t n = read(c.reportFd, buf, sizeof buf);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      break;
    all.append(buf, static_cast<size_t>(n));
  }
  close(c.reportFd);
  TReport r;
  rusage ru{};
  if (wait4(c.pid, &r.status, 0, &ru) < 0)
    Fail("wait4 failed");
  r.maxRssKiB = ru.ru_maxrss;
  std::istringstream in(all);
  std::string key;
  long long value;
  while (in >> key >> value)
    r.values[key].push_back(value);
  if (!WIFEXITED(r.status) || WEXITSTATUS(r.status) != 0 || r.Get("done") != 1)
    Fail(program + " did not finish its run (status " + std::to_string(r.status) + ")");
  if (r.Get("drawn_ns") > 0)
    r.values["startup_ns"].push_back(r.Get("drawn_ns") - c.forkNs);
  return r;
}

// ---- watching a program from outside ------------------------------------------------------

int IgnoreXError(Display *, XErrorEvent *) {
  return 0;
}

struct TPicture {
  int w = 0, h = 0;
  std::vector<unsigned char> px;
};

TPicture DecodeJpeg(const std::string &path) {
  TPicture pic;
  FILE *f = std::fopen(path.c_str(), "rb");
  if (!f)
    Fail("cannot open " + path);
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, f);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  pic.w = static_cast<int>(cinfo.output_width);
  pic.h = static_cast<int>(cinfo.output_height);
  pic.px.resize(static_cast<size_t>(pic.w) * pic.h * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = &pic.px[static_cast<size_t>(cinfo.output_scanline) * pic.w * 3];
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(f);
  return pic;
}

// Mean absolute difference per channel between a window rectangle and rows of the picture.
double Difference(Display *d, Window w, int x, int y, const TPicture &pic, int row0, int rows) {
  XImage *img = XGetImage(d, w, x, y + row0, static_cast<unsigned>(pic.w),
                          static_cast<unsigned>(rows), AllPlanes, ZPixmap);
  if (!img)
    return 255.0;
  double sum = 0;
  for (int j = 0; j < rows; ++j)
    for (int i = 0; i < pic.w; ++i) {
      const unsigned long p = XGetPixel(img, i, j);
      const unsigned char *e = &pic.px[(static_cast<size_t>(row0 + j) * pic.w + i) * 3];
      sum += std::abs(static_cast<int>((p >> 16) & 0xFF) - e[0]) +
             std::abs(static_cast<int>((p >> 8) & 0xFF) - e[1]) +
             std::abs(static_cast<int>(p & 0xFF) - e[2]);
    }
  XDestroyImage(img);
  return sum / (3.0 * pic.w * rows);
}

std::set<Window> TopWindows(Display *d) {
  std::set<Window> out;
  Window root, parent, *kids = nullptr;
  unsigned n = 0;
  if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &kids, &n)) {
    out.insert(kids, kids + n);
    XFree(kids);
  }
  return out;
}

// CPU time from /proc/PID/stat (utime + stime, clock ticks) and the scheduler's nanoseconds.
struct TCpu {
  long long ticks = 0, runNs = 0, switches = 0;
};

TCpu ReadCpu(pid_t pid) {
  TCpu c;
  const std::string dir = "/proc/" + std::to_string(pid);
  const std::string stat = ReadFile(dir + "/stat");
  const size_t close = stat.rfind(')');
  if (close != std::string::npos) {
    std::istringstream in(stat.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && in >> field; ++i) {
      if (i == 14)
        utime = std::atoll(field.c_str());
      if (i == 15)
        stime = std::atoll(field.c_str());
    }
    c.ticks = utime + stime;
  }
  // Every thread: the time on a CPU and how often it was switched in (each wake-up is one).
  if (DIR *tasks = opendir((dir + "/task").c_str())) {
    while (dirent *t = readdir(tasks)) {
      if (t->d_name[0] == '.')
        continue;
      const std::string task = dir + "/task/" + t->d_name;
      c.runNs += std::atoll(ReadFile(task + "/schedstat").c_str());
      std::istringstream st(ReadFile(task + "/status"));
      std::string line;
      while (std::getline(st, line))
        if (line.find("ctxt_switches:") != std::string::npos)
          c.switches += std::atoll(line.substr(line.find(':') + 1).c_str());
    }
    closedir(tasks);
  }
  return c;
}

long long PeakRssKiB(pid_t pid) {
  std::istringstream st(ReadFile("/proc/" + std::to_string(pid) + "/status"));
  std::string line;
  while (std::getline(st, line))
    if (line.rfind("VmHWM:", 0) == 0)
      return std::atoll(line.c_str() + 6);
  return -1;
}

struct TIdle {
  double startupMs = -1;  // fork to the picture seen on the X server (polled)
  long long rssKiB = -1;  // VmHWM just before the program was stopped
  double idleTickMs = -1; // utime + stime over the idle time
  double idleRunMs = -1;  // scheduler run time over the idle time
  long long wakeups = -1; // context switches over the idle time
};

// Starts the program with no hook, waits until its first room is on the X server, then lets it
// idle and reads its CPU time and peak memory from /proc.
TIdle RunIdle(Display *d, const std::string &program, const TEnv &env, const TPicture &first,
              int idleSeconds) {
  XSync(d, False);
  const std::set<Window> before = TopWindows(d);
  TChild c = Spawn(program, env, false);
  TIdle r;
  const long long deadline = c.forkNs + 20000000000LL;
  while (r.startupMs < 0) {
    if (NowNs() > deadline)
      Fail(program + " showed no first room within 20 s");
    for (Window w : TopWindows(d)) {
      if (before.count(w))
        continue;
      XWindowAttributes a;
      if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable || a.width != 800)
        continue;
      // One row first, which is cheap; the whole panel only once that row is right.
      if (Difference(d, w, 404, 4, first, first.h / 2, 1) < 2.0 &&
          Difference(d, w, 404, 4, first, 0, first.h) < 2.0)
        r.startupMs = (NowNs() - c.forkNs) / 1e6;
    }
    if (r.startupMs < 0)
      SleepNs(1000000);
  }
  const TCpu a = ReadCpu(c.pid);
  SleepNs(static_cast<long long>(idleSeconds) * 1000000000LL);
  const TCpu b = ReadCpu(c.pid);
  r.rssKiB = PeakRssKiB(c.pid);
  const double msPerTick = 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
  r.idleTickMs = static_cast<double>(b.ticks - a.ticks) * msPerTick;
  r.idleRunMs = static_cast<double>(b.runNs - a.runNs) / 1e6;
  r.wakeups = b.switches - a.switches;
  kill(c.pid, SIGTERM);
  int status = 0;
  waitpid(c.pid, &status, 0);
  return r;
}

// ---- the table ----------------------------------------------------------------------------

struct TSamples {
  std::vector<double> startupMs, startupCpuMs, moveMs, moveCpuMs, rssMiB, movesRssMiB;
  std::vector<double> runMoveMs; // each run's median move, in run order (for paired ratios)
  std::vector<double> idleStartupMs, idleRssMiB, idleTickMs, idleRunMs, wakeups;
  long long worstPanelDiff = 0;
};

std::vector<double> Ms(const TReport &r, const char *key) {
  std::vector<double> out;
  if (r.values.count(key))
    for (long long ns : r.values.at(key))
      out.push_back(ns / 1e6);
  return out;
}

void Collect(const TReport &r, TSamples &s) {
  s.startupMs.push_back(r.Get("startup_ns") / 1e6);
  s.startupCpuMs.push_back(r.Get("drawn_cpu_ns") / 1e6);
  const std::vector<double> moves = Ms(r, "move_ns"), cpu = Ms(r, "move_cpu_ns");
  s.moveMs.insert(s.moveMs.end(), moves.begin(), moves.end());
  s.moveCpuMs.insert(s.moveCpuMs.end(), cpu.begin(), cpu.end());
  s.runMoveMs.push_back(Median(moves));
  s.rssMiB.push_back(r.Get("peak_rss_kib") / 1024.0);
  s.movesRssMiB.push_back(r.Get("moves_peak_rss_kib") / 1024.0);
  s.worstPanelDiff =
      std::max({s.worstPanelDiff, r.Get("panel_diff_x100"), r.Get("move_panel_diff_x100")});
}

void Collect(const TIdle &r, TSamples &s) {
  s.idleStartupMs.push_back(r.startupMs);
  s.idleRssMiB.push_back(r.rssKiB / 1024.0);
  s.idleTickMs.push_back(r.idleTickMs);
  s.idleRunMs.push_back(r.idleRunMs);
  s.wakeups.push_back(static_cast<double>(r.wakeups));
}

std::string Range(const std::vector<double> &v, const char *fmt) {
  if (v.empty())
    return "-";
  char a[32], b[32];
  std::snprintf(a, sizeof a, fmt, *std::min_element(v.begin(), v.end()));
  std::snprintf(b, sizeof b, fmt, *std::max_element(v.begin(), v.end()));
  return std::string(a) + "-" + b;
}

void Row(const char *what, double game, double minimal, const char *fmt, const char *unit,
         const std::string &relation, const std::string &target, bool ok) {
  char g[32], m[32];
  std::snprintf(g, sizeof g, fmt, game);
  std::snprintf(m, sizeof m, fmt, minimal);
  std::printf("| %-38s | %9s %-3s | %9s %-3s | %12s | %-14s | %-4s |\n", what, g, unit, m, unit,
              relation.c_str(), target.c_str(), ok ? "met" : "MISS");
}

void Detail(const char *what, const std::vector<double> &game, const std::vector<double> &minimal,
            const char *fmt, const char *unit) {
  char g[24], m[24], line[96];
  std::snprintf(g, sizeof g, fmt, Median(game));
  std::snprintf(m, sizeof m, fmt, Median(minimal));
  const std::string u = *unit ? std::string(" ") + unit : "";
  std::snprintf(line, sizeof line, "%s%s (%s)", g, u.c_str(), Range(game, fmt).c_str());
  std::printf("  %-38s %-23s %s%s (%s)\n", what, line, m, u.c_str(), Range(minimal, fmt).c_str());
}

// Runs i of both programs were made one right after the other: their ratio cancels most of
// whatever else the machine was doing at the time.
double PairedRatio(const std::vector<double> &game, const std::vector<double> &minimal) {
  std::vector<double> r;
  for (size_t i = 0; i < game.size() && i < minimal.size(); ++i)
    if (minimal[i] > 0)
      r.push_back(game[i] / minimal[i]);
  return Median(r);
}

std::string Ratio(double a, double b) {
  char s[32];
  if (b <= 0)
    return "-";
  std::snprintf(s, sizeof s, "%.2fx", a / b);
  return s;
}

TOptions ParseOptions(int argc, char **argv) {
  TOptions o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string k = argv[i], v = argv[i + 1];
    if (k == "--game")
      o.game = v;
    else if (k == "--minimal")
      o.minimal = v;
    else if (k == "--real")
      o.real = v;
    else if (k == "--runs")
      o.runs = std::atoi(v.c_str());
    else if (k == "--moves")
      o.moves = std::atoi(v.c_str());
    else if (k == "--idle-runs")
      o.idleRuns = std::atoi(v.c_str());
    else if (k == "--idle-seconds")
      o.idleSeconds = std::atoi(v.c_str());
    else
      Fail("unknown option " + k);
  }
  if (o.game.empty() || o.minimal.empty() || o.real.empty() || o.runs < 1 || o.moves < 1 ||
      o.idleRuns < 1 || o.idleSeconds < 1)
    Fail("usage: qorvane_bench_driver --game BENCH_GAME --minimal BENCH_MINIMAL --real QORVANE "
         "[--runs N] [--moves N] [--idle-runs N] [--idle-seconds S]  (run in the game's folder)");
  return o;
}

} // namespace

int main(int argc, char **argv) {
  const TOptions o = ParseOptions(argc, argv);
  Display *d = XOpenDisplay(nullptr);
  if (!d)
    Fail("no X display (run it through tools/run-bench.sh, which starts Xvfb)");
  XSetErrorHandler(IgnoreXError);
  const TPicture first = DecodeJpeg("data/media/img/brownBox.jpg");

  // A first game run, untimed: it writes what the first room and the room after it show, so the
  // minimal program shows exactly the same text, labels and font. It warms the caches too.
  char tmpl[] = "/tmp/qorvane-bench-XXXXXX";
  if (!mkdtemp(tmpl))
    Fail("mkdtemp failed");
  const std::string dump = tmpl;
  RunReporting(o.game,
               BaseEnvironment({{"QORVANE_BENCH_DUMP", dump}, {"QORVANE_BENCH_MOVES", "1"}}));
  std::map<std::string, std::string> shown;
  for (const char *name : {"pane1", "labels1", "pane17", "labels17", "font"}) {
    std::string key = std::string("QORVANE_BENCH_") + name;
    for (char &ch : key)
      ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const std::string file = dump + "/" + name + ".txt";
    shown[key] = ReadFile(file);
    std::remove(file.c_str());
  }
  rmdir(dump.c_str());
  if (shown["QORVANE_BENCH_PANE1"].empty() || shown["QORVANE_BENCH_PANE17"].empty())
    Fail("the game's first run reported no pane text");

  // Both programs get the very same environment, so neither execs with more to copy.
  shown["QORVANE_BENCH_MOVES"] = std::to_string(o.moves);
  const TEnv env = BaseEnvironment(shown);
  std::map<std::string, std::string> idleExtra = shown;
  idleExtra.erase("QORVANE_BENCH_MOVES");
  const TEnv idleEnv = BaseEnvironment(idleExtra);
  RunReporting(o.minimal, env); // warm-up

  std::printf("Texts shown: first room %zu characters, next room %zu characters; font '%s'\n",
              shown["QORVANE_BENCH_PANE1"].size(), shown["QORVANE_BENCH_PANE17"].size(),
              shown["QORVANE_BENCH_FONT"].c_str());
  std::printf("Timed runs: %d per program, interleaved, %d moves each; idle runs: %d per program "
              "of %d s\n",
              o.runs, o.moves, o.idleRuns, o.idleSeconds);
  std::fflush(stdout);

  TSamples game, minimal;
  for (int i = 0; i < o.runs; ++i) {
    // Turn about, so neither program always runs right after the other.
    if (i % 2 == 0) {
      Collect(RunReporting(o.game, env), game);
      Collect(RunReporting(o.minimal, env), minimal);
    } else {
      Collect(RunReporting(o.minimal, env), minimal);
      Collect(RunReporting(o.game, env), game);
    }
  }
  for (int i = 0; i < o.idleRuns; ++i) {
    Collect(RunIdle(d, o.real, idleEnv, first, o.idleSeconds), game);
    Collect(RunIdle(d, o.minimal, idleEnv, first, o.idleSeconds), minimal);
  }
  XCloseDisplay(d);

  const double gs = Median(game.startupMs), ms = Median(minimal.startupMs);
  const double gm = Median(game.moveMs), mm = Median(minimal.moveMs);
  const double gr = Median(game.idleRssMiB), mr = Median(minimal.idleRssMiB);
  const double gi = Median(game.idleTickMs), mi = Median(minimal.idleTickMs);
  char diff[32];
  std::snprintf(diff, sizeof diff, "%+.2f MiB", gr - mr);

  std::printf("\n| %-38s | %13s | %13s | %12s | %-14s | %-4s |\n", "median", "game", "minimal",
              "game/minimal", "target", "");
  std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(40, '-').c_str(), std::string(15, '-').c_str(),
              std::string(15, '-').c_str(), std::string(14, '-').c_str(),
              std::string(16, '-').c_str(), std::string(6, '-').c_str());
  Row("start-up to first room drawn", gs, ms, "%.1f", "ms", Ratio(gs, ms), "<= 1.25x",
      gs <= 1.25 * ms);
  Row("one move, press to next room drawn", gm, mm, "%.2f", "ms", Ratio(gm, mm), "<= 1.25x",
      gm <= 1.25 * mm);
  Row("peak resident memory (VmHWM)", gr, mr, "%.2f", "MiB", diff, "<= +3 MiB", gr - mr <= 3.0);
  const std::string idleRow =
      "CPU while idle for " + std::to_string(o.idleSeconds) + " s (utime+stime)";
  Row(idleRow.c_str(), gi, mi, "%.0f", "ms", Ratio(gi, mi), "0 (a tick)", gi <= 10.0);

  std::printf("\nDetails: median (min-max)                    game                    minimal\n");
  Detail("start-up, wall time", game.startupMs, minimal.startupMs, "%.1f", "ms");
  Detail("start-up, CPU time of the program", game.startupCpuMs, minimal.startupCpuMs, "%.1f",
         "ms");
  Detail("start-up, seen on the X server (1)", game.idleStartupMs, minimal.idleStartupMs, "%.1f",
         "ms");
  Detail("one move, wall time", game.moveMs, minimal.moveMs, "%.2f", "ms");
  Detail("one move, CPU time of the program", game.moveCpuMs, minimal.moveCpuMs, "%.2f", "ms");
  Detail("VmHWM, first room drawn (2)", game.rssMiB, minimal.rssMiB, "%.2f", "MiB");
  Detail("VmHWM, after the moves (2)", game.movesRssMiB, minimal.movesRssMiB, "%.2f", "MiB");
  Detail("VmHWM, idle, just before exit (1)", game.idleRssMiB, minimal.idleRssMiB, "%.2f", "MiB");
  Detail("idle CPU, scheduler run time (1)", game.idleRunMs, minimal.idleRunMs, "%.3f", "ms");
  Detail("idle wake-ups, context switches (1)", game.wakeups, minimal.wakeups, "%.0f", "");
  std::printf("  paired game/minimal ratios, median over the runs: start-up %.2fx, move %.2fx\n",
              PairedRatio(game.startupMs, minimal.startupMs),
              PairedRatio(game.runMoveMs, minimal.runMoveMs));
  std::printf("  %zu and %zu timed moves; (1) the real programs with no hook, %d runs each; "
              "(2) the bench builds\n",
              game.moveMs.size(), minimal.moveMs.size(), o.idleRuns);
  const bool drawn = game.worstPanelDiff < 200 && minimal.worstPanelDiff < 200;
  std::printf("  pictures on screen match their files: %s (worst mean difference %.2f and %.2f "
              "levels)\n",
              drawn ? "yes" : "NO", game.worstPanelDiff / 100.0, minimal.worstPanelDiff / 100.0);
  return drawn ? 0 : 1;
}
