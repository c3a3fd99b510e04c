// Test support for whole programs: a child started without a shell, and its window on X.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace qtest {

// A child process started without a shell, its stdout (and, if asked, stderr) on a pipe.
class TChild {
public:
  TChild(const std::vector<std::string> &args, const std::string &dir, bool withStderr = false);
  ~TChild();
  TChild(const TChild &) = delete;
  TChild &operator=(const TChild &) = delete;
  bool Started() const { return pid_ > 0; }
  bool Running();
  // Waits for the exit; returns the raw wait status, or -1 on time-out.
  int WaitExit(double seconds);
  // Everything written to the pipe, up to its end (when the child and its heirs have closed it).
  std::string ReadAll();

private:
  pid_t pid_ = -1;
  int out_ = -1;
  bool exited_ = false;
  int status_ = 0;
};

// The game's mapped window ("Qorvane, v1.0") once it is viewable; 0 if the child ends first or
// it does not appear within ten seconds.
Window WaitForGameWindow(Display *d, TChild &game);
// Sends the window manager's close request (WM_DELETE_WINDOW), as the title bar's control does.
void RequestClose(Display *d, Window w);

} // namespace qtest
