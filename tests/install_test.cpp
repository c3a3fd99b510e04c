// Installing into a prefix: each file lands where a desktop looks; the launcher starts the game.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "content/tables.h"
#include "tests/support.h"
#include "window/image_loader.h"

extern char **environ;

namespace {

namespace fs = std::filesystem;

constexpr char kTitle[] = "Qorvane, v1.0";
constexpr int kPanelX = 404, kPanelY = 4, kPanelW = 384, kPanelH = 264;

// A child process started without a shell, its stdout (and, if asked, stderr) on a pipe.
class TChild {
public:
  TChild(const std::vector<std::string> &args, const std::string &dir, bool withStderr) {
    int fds[2];
    if (pipe(fds) != 0)
      return;
    std::vector<char *> argv;
    for (const std::string &a : args)
      argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addchdir_np(&fa, dir.c_str());
    posix_spawn_file_actions_adddup2(&fa, fds[1], STDOUT_FILENO);
    if (withStderr)
      posix_spawn_file_actions_adddup2(&fa, fds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&fa, fds[0]);
    if (posix_spawn(&pid_, argv[0], &fa, nullptr, argv.data(), environ) != 0)
      pid_ = -1;
    posix_spawn_file_actions_destroy(&fa);
    close(fds[1]);
    out_ = fds[0];
  }
  ~TChild() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0)
      close(out_);
  }
  bool Started() const { return pid_ > 0; }
  bool Running() {
    int st = 0;
    if (!exited_ && waitpid(pid_, &st, WNOHANG) == pid_) {
      exited_ = true;
      status_ = st;
    }
    return !exited_;
  }
  // Waits for the exit; returns the raw wait status, or -1 on time-out.
  int WaitExit(double seconds) {
    auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (Running() && std::chrono::steady_clock::now() < until)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return exited_ ? status_ : -1;
  }
  // Everything written to the pipe, up to its end (when the child and its heirs have closed it).
  std::string ReadAll() {
    std::string s;
    char buf[4096];
    ssize_t n;
    while ((n = read(out_, buf, sizeof buf)) > 0)
      s.append(buf, static_cast<size_t>(n));
    return s;
  }

private:
  pid_t pid_ = -1;
  int out_ = -1;
  bool exited_ = false;
  int status_ = 0;
};

// Runs `cmake --install` on this build into the prefix; returns what it printed on failure.
std::string Install(const std::string &prefix) {
  const std::string buildDir = fs::path(QORVANE_BINARY).parent_path().string();
  TChild cmake({QORVANE_CMAKE, "--install", buildDir, "--prefix", prefix}, "/", true);
  if (!cmake.Started())
    return "cmake could not be started";
  std::string log = cmake.ReadAll();
  int status = cmake.WaitExit(120.0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : "cmake --install failed:\n" + log;
}

bool IsExecutableFile(const fs::path &p) {
  struct stat st {};
  return stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR) &&
         (st.st_mode & S_IXOTH);
}

std::string FileText(const fs::path &p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

Window FindWindowNamed(Display *d, Window w, const char *name) {
  char *wn = nullptr;
  if (XFetchName(d, w, &wn) && wn) {
    bool match = std::strcmp(wn, name) == 0;
    XFree(wn);
    if (match)
      return w;
  }
  Window root, parent, *kids = nullptr;
  unsigned n = 0;
  Window found = 0;
  if (XQueryTree(d, w, &root, &parent, &kids, &n)) {
    for (unsigned i = 0; i < n && !found; ++i)
      found = FindWindowNamed(d, kids[i], name);
    if (kids)
      XFree(kids);
  }
  return found;
}

Window WaitForGameWindow(Display *d, TChild &game) {
  for (int i = 0; i < 500 && game.Running(); ++i) {
    XWindowAttributes a;
    Window w = FindWindowNamed(d, DefaultRootWindow(d), kTitle);
    if (w && XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable)
      return w;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return 0;
}

// Largest difference of one colour channel between the panel on screen and the expected picture,
// or 256 when the panel cannot be read.
int PanelDifference(Display *d, Window w, const picture::TRgb &want) {
  XImage *img = XGetImage(d, w, kPanelX, kPanelY, kPanelW, kPanelH, AllPlanes, ZPixmap);
  if (!img)
    return 256;
  int worst = 0;
  for (int y = 0; y < kPanelH; ++y)
    for (int x = 0; x < kPanelW; ++x) {
      unsigned long p = XGetPixel(img, x, y);
      const uint8_t *e = &want.px[(static_cast<size_t>(y) * kPanelW + x) * 3];
      const int got[3] = {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                          static_cast<int>(p & 0xFF)};
      for (int c = 0; c < 3; ++c)
        worst = std::max(worst, std::abs(got[c] - e[c]));
    }
  XDestroyImage(img);
  return worst;
}

void RequestClose(Display *d, Window w) {
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = w;
  ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, w, False, NoEventMask, &ev);
  XSync(d, False);
}

TEST(InstallTest, PutsTheGameItsDataTheMenuEntryAndTheIconsInThePrefix) {
  qtest::TTempDir tmp;
  const fs::path prefix = fs::path(tmp.Path()) / "my games";
  ASSERT_EQ(Install(prefix.string()), "");

  EXPECT_TRUE(IsExecutableFile(prefix / "libexec/qorvane/qorvane")) << "the program";
  const fs::path launcher = prefix / "bin/qorvane";
  EXPECT_TRUE(IsExecutableFile(launcher)) << "the launcher";
  EXPECT_EQ(FileText(launcher).rfind("#!/bin/sh\n", 0), 0u) << "the launcher is an sh script";
  EXPECT_EQ(FileText(launcher).find(prefix.string()), std::string::npos)
      << "the launcher must not name the prefix, so it keeps working when the prefix moves";
  std::vector<std::string> inBin;
  for (const fs::directory_entry &e : fs::directory_iterator(prefix / "bin"))
    inBin.push_back(e.path().filename().string());
  EXPECT_EQ(inBin, std::vector<std::string>{"qorvane"}) << "nothing but the launcher goes in bin";

  const fs::path share = prefix / "share/qorvane";
  for (const content::TRoomRow &r : content::kRoomTable)
    EXPECT_TRUE(fs::is_regular_file(share / r.imgFn)) << "room " << r.id << " needs " << r.imgFn;
  int plates = 0;
  for (const fs::directory_entry &e : fs::directory_iterator(share / "data/media/img")) {
    ++plates;
    const fs::path source = fs::path(QORVANE_SOURCE_DIR) / "data/media/img" / e.path().filename();
    EXPECT_EQ(FileText(e.path()), FileText(source)) << e.path();
  }
  EXPECT_EQ(plates, 9);
  EXPECT_EQ(FileText(share / content::kReadmeDocument),
            FileText(fs::path(QORVANE_SOURCE_DIR) / content::kReadmeDocument))
      << "the manual goes beside data/, where the Instructions button opens it";

  const std::string entry = FileText(prefix / "share/applications/qorvane.desktop");
  for (const char *line :
       {"[Desktop Entry]\n", "\nType=Application\n", "\nName=Qorvane\n", "\nExec=qorvane\n",
        "\nIcon=qorvane\n", "\nTerminal=false\n", "\nCategories=Game;AdventureGame;\n"})
    EXPECT_NE(entry.find(line), std::string::npos) << "the menu entry lacks " << line;

  const fs::path icons = prefix / "share/icons/hicolor";
  for (const char *size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"})
    EXPECT_TRUE(fs::is_regular_file(icons / size / "apps/qorvane.png")) << size;
  EXPECT_TRUE(fs::is_regular_file(icons / "scalable/apps/qorvane.svg"));
}

// The launcher run the ways a desktop runs it: from the bin folder of a prefix that was moved
// after installing, and through a symbolic link in some other folder.
TEST(InstallTest, TheLauncherStartsTheGameInItsDataFolderFromAnywhere) {
  std::unique_ptr<Display, int (*)(Display *)> display(XOpenDisplay(nullptr), XCloseDisplay);
  Display *d = display.get();
  ASSERT_NE(d, nullptr) << "this test needs an X display (run it under xvfb-run)";
  qtest::TTempDir tmp;
  const fs::path installed = fs::path(tmp.Path()) / "first prefix";
  ASSERT_EQ(Install(installed.string()), "");
  const fs::path prefix = fs::path(tmp.Path()) / "moved prefix";
  fs::rename(installed, prefix);
  const fs::path links = fs::path(tmp.Path()) / "my bin";
  fs::create_directory(links);
  fs::create_symlink(prefix / "bin/qorvane", links / "qorvane");
  const fs::path elsewhere = fs::path(tmp.Path()) / "somewhere else";
  fs::create_directory(elsewhere);

  picture::TRgb firstPicture;
  ASSERT_TRUE(picture::DecodeJpegFile(fs::path(QORVANE_SOURCE_DIR) / "data/media/img/brownBox.jpg",
                                      firstPicture));
  firstPicture = picture::CoverFit(firstPicture, kPanelW, kPanelH);

  for (const fs::path &launcher : {prefix / "bin/qorvane", links / "qorvane"}) {
    SCOPED_TRACE(launcher.string());
    TChild game({launcher.string()}, elsewhere.string(), false);
    ASSERT_TRUE(game.Started());
    Window w = WaitForGameWindow(d, game);
    ASSERT_NE(w, 0u) << "the game window did not appear";

    // The first room's picture, read from the installed data folder, fills the panel.
    int diff = 256;
    for (int i = 0; i < 100 && diff > 2; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      diff = PanelDifference(d, w, firstPicture);
    }
    EXPECT_LE(diff, 2) << "the panel does not show data/media/img/brownBox.jpg";

    RequestClose(d, w);
    int status = game.WaitExit(10.0);
    ASSERT_NE(status, -1) << "a close request must end the game";
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(game.ReadAll(), "") << "nothing is printed when every picture loads";
  }
}

} // namespace
