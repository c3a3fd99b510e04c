// The built program as a player's desktop sees it: started in a folder, keys, then closed.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "tests/support.h"

extern char **environ;

namespace {

// A running copy of the game with its stdout on a pipe.
class TGameProcess {
public:
  explicit TGameProcess(const std::string &dir, const std::string &binary = QORVANE_BINARY) {
    int fds[2];
    if (pipe(fds) != 0)
      return;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addchdir_np(&fa, dir.c_str());
    posix_spawn_file_actions_adddup2(&fa, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&fa, fds[0]);
    char *argv[] = {const_cast<char *>(binary.c_str()), nullptr};
    if (posix_spawn(&pid_, binary.c_str(), &fa, nullptr, argv, environ) != 0)
      pid_ = -1;
    posix_spawn_file_actions_destroy(&fa);
    close(fds[1]);
    out_ = fds[0];
  }
  ~TGameProcess() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0)
      close(out_);
  }
  bool Running() {
    if (exited_)
      return false;
    int st = 0;
    pid_t r = waitpid(pid_, &st, WNOHANG);
    if (r == pid_) {
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

Window WaitForGameWindow(Display *d) {
  for (int i = 0; i < 500; ++i) {
    XWindowAttributes a;
    Window w = FindWindowNamed(d, DefaultRootWindow(d), "Qorvane, v1.0");
    if (w && XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable)
      return w;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return 0;
}

void SendKey(Display *d, Window w, KeySym sym) {
  XWindowAttributes a;
  XGetWindowAttributes(d, w, &a);
  Window child;
  int rx, ry;
  XTranslateCoordinates(d, w, DefaultRootWindow(d), 600, 320, &rx, &ry, &child);
  XTestFakeMotionEvent(d, -1, rx, ry, CurrentTime);
  KeyCode code = XKeysymToKeycode(d, sym);
  XTestFakeKeyEvent(d, code, True, CurrentTime);
  XTestFakeKeyEvent(d, code, False, CurrentTime);
  XSync(d, False);
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

class ProcessTest : public ::testing::Test {
protected:
  void SetUp() override {
    display_ = XOpenDisplay(nullptr);
    ASSERT_NE(display_, nullptr) << "these tests need an X display (run them under xvfb-run)";
  }
  void TearDown() override {
    if (display_)
      XCloseDisplay(display_);
  }
  Display *display_ = nullptr;
};

TEST_F(ProcessTest, KeysDoNotEndItAndACloseRequestExitsWithZero) {
  TGameProcess game(QORVANE_SOURCE_DIR);
  Window w = WaitForGameWindow(display_);
  ASSERT_NE(w, 0u) << "the game window did not appear";
  for (KeySym k : {XK_Escape, XK_space, XK_Return, XK_q, XK_Escape}) {
    SendKey(display_, w, k);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(game.Running()) << "key " << k << " ended the game";
  }
  RequestClose(display_, w);
  int status = game.WaitExit(5.0);
  ASSERT_NE(status, -1) << "a close request must end the game";
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(game.ReadAll(), "") << "nothing is printed when every picture loads";
}

TEST_F(ProcessTest, DiagnosticsReachAPipeBeforeTheExit) {
  qtest::TTempDir dir; // no data/ here: the first room's picture is missing
  TGameProcess game(dir.Path());
  Window w = WaitForGameWindow(display_);
  ASSERT_NE(w, 0u);
  RequestClose(display_, w);
  int status = game.WaitExit(5.0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(game.ReadAll(), "Unable to load image.\nFile doesn't exist \n");
}

} // namespace
