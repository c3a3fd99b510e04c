// Test support for whole programs: spawning without a shell, finding and closing their window.
#include "tests/process_support.h"

#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

extern char **environ;

namespace qtest {

TChild::TChild(const std::vector<std::string> &args, const std::string &dir, bool withStderr) {
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

TChild::~TChild() {
  if (pid_ > 0 && !exited_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (out_ >= 0)
    close(out_);
}

bool TChild::Running() {
  int st = 0;
  if (pid_ > 0 && !exited_ && waitpid(pid_, &st, WNOHANG) == pid_) {
    exited_ = true;
    status_ = st;
  }
  return pid_ > 0 && !exited_;
}

int TChild::WaitExit(double seconds) {
  auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (Running() && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return exited_ ? status_ : -1;
}

std::string TChild::ReadAll() {
  std::string s;
  char buf[4096];
  ssize_t n;
  while (out_ >= 0 && (n = read(out_, buf, sizeof buf)) > 0)
    s.append(buf, static_cast<size_t>(n));
  return s;
}

namespace {

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

} // namespace

Window WaitForGameWindow(Display *d, TChild &game) {
  for (int i = 0; i < 500 && game.Running(); ++i) {
    XWindowAttributes a;
    Window w = FindWindowNamed(d, DefaultRootWindow(d), "Qorvane, v1.0");
    if (w && XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable)
      return w;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return 0;
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

} // namespace qtest
