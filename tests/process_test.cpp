// The built program as a player's desktop sees it: started in a folder, keys, then closed.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/process_support.h"
#include "tests/support.h"

namespace {

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
  qtest::TChild game({QORVANE_BINARY}, QORVANE_SOURCE_DIR);
  Window w = qtest::WaitForGameWindow(display_, game);
  ASSERT_NE(w, 0u) << "the game window did not appear";
  for (KeySym k : {XK_Escape, XK_space, XK_Return, XK_q, XK_Escape}) {
    SendKey(display_, w, k);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(game.Running()) << "key " << k << " ended the game";
  }
  qtest::RequestClose(display_, w);
  int status = game.WaitExit(5.0);
  ASSERT_NE(status, -1) << "a close request must end the game";
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(game.ReadAll(), "") << "nothing is printed when every picture loads";
}

TEST_F(ProcessTest, DiagnosticsReachAPipeBeforeTheExit) {
  qtest::TTempDir dir; // no data/ here: the first room's picture is missing
  qtest::TChild game({QORVANE_BINARY}, dir.Path());
  Window w = qtest::WaitForGameWindow(display_, game);
  ASSERT_NE(w, 0u);
  qtest::RequestClose(display_, w);
  int status = game.WaitExit(5.0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(game.ReadAll(), "Unable to load image.\nFile doesn't exist \n");
}

} // namespace
