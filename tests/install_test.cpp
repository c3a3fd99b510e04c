// Installing into a prefix: each file lands where a desktop looks; the launcher starts the game.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
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
#include "tests/process_support.h"
#include "tests/support.h"
#include "window/image_loader.h"

namespace {

namespace fs = std::filesystem;
using qtest::RequestClose;
using qtest::TChild;
using qtest::WaitForGameWindow;

constexpr int kPanelX = 404, kPanelY = 4, kPanelW = 384, kPanelH = 264;

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
