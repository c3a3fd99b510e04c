// The desktop handler: address rules, the choice of program, and a detached start with no shell.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/app.h"
#include "content/tables.h"
#include "tests/support.h"
#include "window/desktop_opener.h"
#include "window/window_mgr.h"

using namespace qtest;
namespace fs = std::filesystem;

namespace {

// Recording stand-ins for the desktop's programs: each writes its name and its arguments,
// NUL-separated, to $QORVANE_RECORD, after sleeping $QORVANE_SLEEP seconds if asked.
class DesktopTest : public ::testing::Test {
protected:
  void SetUp() override {
    bin_ = tmp_.Path() + "/bin";
    record_ = tmp_.Path() + "/record";
    fs::create_directory(bin_);
    setenv("PATH", bin_.c_str(), 1);
    setenv("QORVANE_RECORD", record_.c_str(), 1);
    unsetenv("QORVANE_SLEEP");
    unsetenv("KDE_FULL_DESKTOP");
    unsetenv("GNOME_DESKTOP_SESSION_ID");
  }
  void Install(const std::string &name) {
    std::string path = bin_ + "/" + name;
    std::ofstream(path) << "#!/bin/sh\n"
                           "[ -n \"$QORVANE_SLEEP\" ] && /bin/sleep \"$QORVANE_SLEEP\"\n"
                           "printf '%s\\0' \""
                        << name
                        << "\" \"$@\" > \"$QORVANE_RECORD.tmp\"\n"
                           "/bin/mv \"$QORVANE_RECORD.tmp\" \"$QORVANE_RECORD\"\n";
    chmod(path.c_str(), 0755);
  }
  // The program name and arguments the stand-in received; empty if none ran within the wait.
  std::vector<std::string> Recorded(double waitSeconds = 5.0) {
    auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(waitSeconds);
    while (!fs::exists(record_) && std::chrono::steady_clock::now() < until)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::vector<std::string> out;
    std::ifstream in(record_, std::ios::binary);
    std::string item;
    while (std::getline(in, item, '\0'))
      out.push_back(item);
    fs::remove(record_);
    return out;
  }

  TTempDir tmp_;
  std::string bin_, record_;
};

TEST(AddressTest, LocalPathsBecomeFileOrHttpAddresses) {
  TTempDir dir;
  std::ofstream(dir.Path() + "/doc.pdf") << "%PDF";
  const std::string wd = dir.Path();
  struct {
    std::string in, out;
  } cases[] = {
      {"https://www.example.org/a#b", "https://www.example.org/a#b"},
      {"HTTP://EXAMPLE.ORG", "HTTP://EXAMPLE.ORG"},
      {"File:/etc/hostname", "File:/etc/hostname"},
      {"doc.pdf", "file:" + wd + "/doc.pdf"},
      {"doc.pdf#page=2#x", "file:" + wd + "/doc.pdf#page=2#x"},
      {"missing.pdf", "http:missing.pdf"},
      {"missing.pdf#top", "http:missing.pdf#top"},
      {wd + "/doc.pdf", "file:" + wd + "/doc.pdf"},
      {"", "http:"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(desktop::ResolveAddress(c.in, wd), c.out) << c.in;
}

TEST_F(DesktopTest, EnvironmentChoosesTheHandler) {
  struct {
    const char *kde, *gnome;
    std::vector<std::string> installed;
    std::vector<std::string> expected;
  } cases[] = {
      {"1", nullptr, {"kfmclient", "gnome-open", "xdg-open"}, {"kfmclient", "exec", "A"}},
      {nullptr, "x", {"kfmclient", "gnome-open", "xdg-open"}, {"gnome-open", "A"}},
      {"1", "x", {"kfmclient", "gnome-open", "xdg-open"}, {"kfmclient", "exec", "A"}},
      {"", "", {"kfmclient", "gnome-open", "xdg-open"}, {"xdg-open", "A"}},
      {nullptr, nullptr, {"kfmclient", "gnome-open", "xdg-open"}, {"xdg-open", "A"}},
      {"1", nullptr, {"gnome-open", "xdg-open"}, {"xdg-open", "A"}},
      {nullptr, "x", {"kfmclient", "xdg-open"}, {"xdg-open", "A"}},
      {nullptr, nullptr, {"kfmclient", "gnome-open"}, {}},
  };
  for (const auto &c : cases) {
    fs::remove_all(bin_);
    fs::create_directory(bin_);
    for (const std::string &p : c.installed)
      Install(p);
    c.kde ? setenv("KDE_FULL_DESKTOP", c.kde, 1) : unsetenv("KDE_FULL_DESKTOP");
    c.gnome ? setenv("GNOME_DESKTOP_SESSION_ID", c.gnome, 1) : unsetenv("GNOME_DESKTOP_SESSION_ID");
    SCOPED_TRACE(std::string("KDE=") + (c.kde ? c.kde : "unset") +
                 " GNOME=" + (c.gnome ? c.gnome : "unset"));
    EXPECT_EQ(desktop::HandlerCommand("A"), c.expected);
    EXPECT_EQ(desktop::Open("https://a.example/"), !c.expected.empty());
    std::vector<std::string> got = Recorded(c.expected.empty() ? 0.3 : 5.0);
    if (!c.expected.empty()) {
      std::vector<std::string> want = c.expected;
      want.back() = "https://a.example/";
      EXPECT_EQ(got, want);
    } else {
      EXPECT_TRUE(got.empty());
    }
  }
}

TEST_F(DesktopTest, HostileFolderNamesArriveAsOneArgumentAndRunNothing) {
  Install("xdg-open");
  const std::string names[] = {
      "with space", "quote\"d",   "x$(touch PWNED)y",         "back`touch PWNED`tick",
      "hash#part",  "per%20cent", "caf\xc3\xa9 \xe6\x97\xa5", "semi;touch PWNED",
  };
  char old[4096];
  ASSERT_NE(getcwd(old, sizeof old), nullptr);
  for (const std::string &name : names) {
    SCOPED_TRACE(name);
    std::string wd = tmp_.Path() + "/" + name;
    fs::create_directory(wd);
    ASSERT_EQ(chdir(wd.c_str()), 0);
    std::ofstream("Qorvane_Readme.pdf") << "%PDF";
    EXPECT_TRUE(desktop::Open(content::kReadmeDocument));
    std::vector<std::string> got = Recorded();
    ASSERT_EQ(got.size(), 2u) << "exactly one argument";
    EXPECT_EQ(got[1], "file:" + wd + "/Qorvane_Readme.pdf");
    fs::remove("Qorvane_Readme.pdf");
    EXPECT_TRUE(desktop::Open(content::kReadmeDocument));
    got = Recorded();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1], "http:Qorvane_Readme.pdf") << "a missing readme goes as an http address";
  }
  ASSERT_EQ(chdir(old), 0);
  for (const auto &entry : fs::recursive_directory_iterator(tmp_.Path()))
    EXPECT_NE(entry.path().filename(), "PWNED") << "something ran a shell: " << entry.path();
  EXPECT_FALSE(fs::exists("PWNED"));
}

TEST_F(DesktopTest, ReturnsAtOnceAndLeavesNoZombie) {
  Install("xdg-open");
  setenv("QORVANE_SLEEP", "3", 1);
  auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(desktop::Open("https://a.example/"));
  double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(took, 0.5) << "the game must not wait for the handler";
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child of the game is left over";
  EXPECT_EQ(errno, ECHILD);
  EXPECT_EQ(Recorded(10.0), (std::vector<std::string>{"xdg-open", "https://a.example/"}));
}

TEST_F(DesktopTest, FixedButtonsOpenSiteAndReadme) {
  Install("xdg-open");
  ASSERT_EQ(chdir(QORVANE_SOURCE_DIR), 0);
  StartGameAndShow();
  WindowMgr->Window_Main_Clear_Choice_Btns();
  WindowMgr->SetStoryArea("kept");

  Click(WindowMgr->VisitURLBtn);
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"xdg-open", content::kPublisherUrl}));
  Click(WindowMgr->InstructionBtn);
  EXPECT_EQ(Recorded(),
            (std::vector<std::string>{"xdg-open", "file:" + std::string(QORVANE_SOURCE_DIR) +
                                                      "/Qorvane_Readme.pdf"}));
  EXPECT_EQ(PaneText(), "kept") << "the fixed buttons do nothing else";
  EXPECT_EQ(App->currentRm, 1);
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 0);
}

} // namespace
