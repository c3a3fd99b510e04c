// Soak: seeded random presses on the real window; column, room and pane checked after each.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/app.h"
#include "content/book_texts.h"
#include "content/tables.h"
#include "tests/support.h"
#include "window/window_mgr.h"
#include "world/entity.h"
#include "world/room.h"
#include "world/trigger.h"

using namespace qtest;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

constexpr unsigned long kDefaultSeed = 1357924680UL;
constexpr long kDefaultPresses = 20000;
constexpr long kRssSamplePress = 1000;
constexpr long kRssSlackKb = 1024;
// Shares of the presses, in per mille: the fixed buttons start a process each, a real pointer
// click takes a few event round trips.
constexpr int kFixedPerMille = 20;
constexpr int kClickPerMille = 5;

// The extra rows added before the loop, so that Take, Examine, Ask and Use get pressed too.
constexpr int kKeyId = 20;
constexpr char kKeyName[] = "brass key";
// Two things to take in room 9: taking the first leaves a gap in the column above the second,
// and the red book's Go Up button must fill it.
constexpr int kPageId = 21;
constexpr char kPageName[] = "torn page";
constexpr int kCandleId = 22;
constexpr char kCandleName[] = "candle stub";
constexpr int kWiseManId = 14;
constexpr char kWiseManName[] = "wise man";
constexpr int kRedBookId = 6;

constexpr int kFixedWidgets = 4; // story pane, picture panel and the two fixed buttons
constexpr int kColumnX = 404, kColumnTop = 304, kColumnStep = 30, kColumnW = 384, kColumnH = 28;

unsigned long EnvNumber(const char *name, unsigned long fallback) {
  const char *v = std::getenv(name);
  if (!v || !*v)
    return fallback;
  char *end = nullptr;
  unsigned long n = std::strtoul(v, &end, 0);
  return end && *end == '\0' ? n : fallback;
}

long RssKb() {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("VmRSS:", 0) == 0)
      return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

bool EndsWith(const std::string &s, const std::string &tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool StartsWith(const std::string &s, const std::string &head) {
  return s.rfind(head, 0) == 0;
}

bool IsEnding(int room) {
  return room == 9 || room == 18 || room == 23;
}

const t_room *Room(int id) {
  for (t_room *r : t_room::Walk())
    if (r->id == id)
      return r;
  return nullptr;
}

const t_entity *Entity(int id) {
  for (t_entity *e : t_entity::Walk())
    if (e->id == id)
      return e;
  return nullptr;
}

bool TriggerEnabled(int id) {
  for (TTrigger *t : TTrigger::Walk())
    if (t->id == id)
      return t->isEnabled == 1;
  return false;
}

int ExitOf(const t_room &r, int direction) {
  const int exits[] = {0, r.n, r.s, r.e, r.w, r.u, r.d};
  return direction >= 1 && direction <= 6 ? exits[direction] : 0;
}

const TActionData *SlotOf(const Fl_Button *b) {
  for (TActionData *slot : TActionData::Walk())
    if (slot->btnGadgetID == b)
      return slot;
  return nullptr;
}

// A take ends the pane with this line and no prompt; everything else that changes the pane
// ends with the prompt, the closing message, or (on its first use) the red book's passage.
std::string TakeLine(const std::string &name) {
  return "\nYou took the " + name + ".\n";
}

// What the window shows, as far as the checks need it.
struct TSnapshot {
  std::string text;
  int room = 0;
  std::vector<Fl_Button *> buttons;
  std::vector<std::string> labels;
  bool gap = false; // a free place above the lowest button
  bool redBookUnread = false;

  static TSnapshot Take() {
    TSnapshot s;
    s.text = PaneText();
    s.room = App->currentRm;
    s.buttons = ChoiceButtons();
    s.labels = ChoiceLabels();
    s.gap = !s.buttons.empty() &&
            s.buttons.back()->y() != kColumnTop + kColumnStep * int(s.buttons.size() - 1);
    s.redBookUnread = TriggerEnabled(3);
    return s;
  }
};

// The column, the room and the pane's last words, whatever was pressed.
::testing::AssertionResult StateIsSound() {
  Fl_Window *win = WindowMgr->mainWindow;
  if (TActionData::Count() != WindowMgr->ChoiceBtnMAX || WindowMgr->ChoiceBtnMAX != 8)
    return ::testing::AssertionFailure()
           << "the column has " << TActionData::Count() << " slots, not 8";
  int filled = 0;
  std::set<int> places;
  for (TActionData *slot : TActionData::Walk()) {
    Fl_Button *b = slot->btnGadgetID;
    if (!b)
      continue;
    ++filled;
    const int place = (b->y() - kColumnTop) / kColumnStep;
    if (b->x() != kColumnX || b->w() != kColumnW || b->h() != kColumnH || place < 0 || place > 7 ||
        b->y() != kColumnTop + kColumnStep * place)
      return ::testing::AssertionFailure()
             << "button '" << b->label() << "' is off the column at " << b->x() << "," << b->y();
    if (!places.insert(b->y()).second)
      return ::testing::AssertionFailure() << "two buttons at y=" << b->y();
    if (win->find(b) >= win->children() || !b->visible())
      return ::testing::AssertionFailure() << "button '" << b->label() << "' is not shown";
  }
  if (filled != WindowMgr->ChoiceBtnNum)
    return ::testing::AssertionFailure() << "ChoiceBtnNum is " << int(WindowMgr->ChoiceBtnNum)
                                         << " but " << filled << " slots hold a button";
  if (filled > 8)
    return ::testing::AssertionFailure() << filled << " buttons";
  if (win->children() != kFixedWidgets + filled)
    return ::testing::AssertionFailure() << "the window holds " << win->children()
                                         << " widgets for " << filled << " choice buttons";
  if (!Room(App->currentRm))
    return ::testing::AssertionFailure() << "current room " << App->currentRm << " does not exist";
  const std::string text = PaneText();
  if (!EndsWith(text, kWhatNowPrompt) && !EndsWith(text, ClosingMessage()) &&
      !EndsWith(text, content::kRedBookText) && !EndsWith(text, TakeLine(kKeyName)) &&
      !EndsWith(text, TakeLine(kPageName)) && !EndsWith(text, TakeLine(kCandleName)))
    return ::testing::AssertionFailure()
           << "the pane ends with neither the prompt, the closing message, the red book nor the "
              "take line: ..."
           << text.substr(text.size() > 80 ? text.size() - 80 : 0);
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Unchanged(const TSnapshot &before, const TSnapshot &after) {
  if (after.text != before.text)
    return ::testing::AssertionFailure() << "the pane changed";
  if (after.room != before.room)
    return ::testing::AssertionFailure() << "the room changed to " << after.room;
  if (after.buttons != before.buttons || after.labels != before.labels)
    return ::testing::AssertionFailure() << "the buttons changed";
  return ::testing::AssertionSuccess();
}

// What one press of a choice button of this category and target must have done.
::testing::AssertionResult ChoiceDidItsJob(int category, int target, const TSnapshot &before,
                                           const TSnapshot &after, const Fl_Button *pressed) {
  const std::string added = StartsWith(after.text, before.text)
                                ? after.text.substr(before.text.size())
                                : std::string("<pane replaced>");
  switch (category) {
  case 1:
  case 2:
  case 3:
  case 4:
  case 5:
  case 6: {
    const int dest = ExitOf(*Room(before.room), category);
    if (dest == 0)
      return Unchanged(before, after);
    if (after.room != dest)
      return ::testing::AssertionFailure() << "moved to " << after.room << ", not " << dest;
    const std::string prefix = (category == 1 || category == 5) ? "" : "\n\n";
    if (!StartsWith(after.text, prefix + Room(dest)->desc))
      return ::testing::AssertionFailure() << "the pane does not open with room " << dest;
    const std::string tail = IsEnding(dest) ? ClosingMessage() : kWhatNowPrompt;
    if (!EndsWith(after.text, tail))
      return ::testing::AssertionFailure() << "room " << dest << " does not end its passage right";
    if (dest == 9 && std::count(after.labels.begin(), after.labels.end(), "Use Red Book") != 1)
      return ::testing::AssertionFailure() << "room 9 must offer the red book";
    if ((dest == 18 || dest == 23) && !after.buttons.empty())
      return ::testing::AssertionFailure() << "ending " << dest << " offers buttons";
    if (!IsEnding(dest) && after.buttons.empty())
      return ::testing::AssertionFailure() << "room " << dest << " is a dead end";
    return ::testing::AssertionSuccess();
  }
  case 7: {
    const t_entity *e = Entity(target);
    if (after.room != before.room || after.buttons != before.buttons)
      return ::testing::AssertionFailure() << "examining moved something";
    if (added.find(e->desc) == std::string::npos || !EndsWith(added, kWhatNowPrompt))
      return ::testing::AssertionFailure() << "examine added: " << added;
    return ::testing::AssertionSuccess();
  }
  case 8: {
    const t_entity *e = Entity(target);
    if (after.room != before.room || after.buttons != before.buttons)
      return ::testing::AssertionFailure() << "asking moved something";
    if (added.find("talk with the " + e->name) == std::string::npos ||
        (target == kWiseManId && (added.find(content::kWiseManText) == std::string::npos ||
                                  !EndsWith(added, kWhatNowPrompt))))
      return ::testing::AssertionFailure() << "ask added: " << added;
    return ::testing::AssertionSuccess();
  }
  case 10: {
    const t_entity *e = Entity(target);
    if (after.text != before.text + TakeLine(e->name))
      return ::testing::AssertionFailure() << "take added: " << added;
    if (e->roomNum != 0 || EntityMgr->hasItem(App->localPlayerID, target) != 1)
      return ::testing::AssertionFailure() << "the " << e->name << " did not reach the inventory";
    if (after.buttons.size() + 1 != before.buttons.size() || SlotOf(pressed))
      return ::testing::AssertionFailure() << "the take button did not go";
    return ::testing::AssertionSuccess();
  }
  case 11: {
    if (before.room != 9 || target != kRedBookId)
      return Unchanged(before, after);
    const std::string want = before.redBookUnread ? content::kRedBookText : "";
    if (after.text != before.text + want)
      return ::testing::AssertionFailure() << "the red book added: " << added;
    const size_t grown = std::min<size_t>(before.buttons.size() + 1, 8);
    if (after.buttons.size() != grown || after.room != 9)
      return ::testing::AssertionFailure()
             << "the red book left " << after.buttons.size() << " buttons";
    const auto ups = [](const std::vector<std::string> &labels) {
      return std::count(labels.begin(), labels.end(), "Go Up");
    };
    if (ups(after.labels) != ups(before.labels) + (grown > before.buttons.size() ? 1 : 0))
      return ::testing::AssertionFailure() << "the red book did not add one Go Up button";
    return ::testing::AssertionSuccess();
  }
  default: return ::testing::AssertionFailure() << "a button of unknown category " << category;
  }
}

class SoakTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(chdir(QORVANE_SOURCE_DIR), 0);
    // A cheap recording stand-in for the desktop's handler: one line per start.
    const std::string bin = tmp_.Path() + "/bin";
    record_ = tmp_.Path() + "/opened";
    std::filesystem::create_directory(bin);
    std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$QORVANE_RECORD\"\n";
    chmod((bin + "/xdg-open").c_str(), 0755);
    setenv("PATH", bin.c_str(), 1);
    setenv("QORVANE_RECORD", record_.c_str(), 1);
    unsetenv("KDE_FULL_DESKTOP");
    unsetenv("GNOME_DESKTOP_SESSION_ID");
    StartGameAndShow();

    EntityMgr->addEntity(kKeyId, kKeyName, 0, 17, 1, "A small brass key.", "floor", 0);
    EntityMgr->addEntity(kPageId, kPageName, 0, 9, 1, "A page torn from a notebook.", "floor", 0);
    EntityMgr->addEntity(kCandleId, kCandleName, 0, 9, 1, "A burnt-down candle.", "shelf", 0);
    EntityMgr->addEntity(kWiseManId, kWiseManName, 2, 25, 0, "An old man.", "chair", 0);
    ASSERT_EQ(EntityMgr->addInventory(App->localPlayerID, kRedBookId, 1), 1);
    RoomMgr->EnablePathway(9, 10, 8);
    ASSERT_EQ(Room(9)->u, 10);
  }

  // Lines the stand-in wrote, once `count` of them are there or the wait is over.
  std::vector<std::string> Opened(size_t count) {
    std::vector<std::string> lines;
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    do {
      lines.clear();
      std::ifstream in(record_);
      std::string line;
      while (std::getline(in, line))
        lines.push_back(line);
      if (lines.size() >= count)
        break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < until);
    return lines;
  }

  TTempDir tmp_;
  std::string record_;
};

TEST_F(SoakTest, RandomPressesKeepColumnRoomAndPaneSound) {
  const unsigned long seed = EnvNumber("QORVANE_SOAK_SEED", kDefaultSeed);
  const long presses = static_cast<long>(EnvNumber("QORVANE_SOAK_PRESSES", kDefaultPresses));
  SCOPED_TRACE("seed " + std::to_string(seed) + " (QORVANE_SOAK_SEED), " + std::to_string(presses) +
               " presses (QORVANE_SOAK_PRESSES)");
  std::mt19937 rng(static_cast<std::mt19937::result_type>(seed));
  std::uniform_int_distribution<int> perMille(0, 999);

  ASSERT_TRUE(StateIsSound());
  std::deque<std::string> recent; // the last presses, for the failure message
  auto history = [&] {
    std::string s;
    for (const std::string &r : recent)
      s += "\n  " + r;
    return s;
  };
  long fixedPresses = 0, clicks = 0, restarts = 0, gapsFilled = 0, rssAtSample = -1;
  std::map<int, long> byCategory;
  std::set<int> rooms = {App->currentRm};
  const auto start = std::chrono::steady_clock::now();

  for (long i = 1; i <= presses; ++i) {
    // An ending with nothing to press is where a player closes the window: start a new game.
    if (WindowMgr->ChoiceBtnNum == 0 && IsEnding(App->currentRm)) {
      App->currentRm = 1;
      App->Init();
      Pump(0.0);
      ++restarts;
      ASSERT_TRUE(StartsWith(PaneText(), kAppTitle + App->storyIntro)) << "restart " << restarts;
      ASSERT_TRUE(StateIsSound()) << "restart " << restarts;
    }
    const TSnapshot before = TSnapshot::Take();
    std::vector<Fl_Button *> choices = before.buttons;
    const int roll = perMille(rng);
    Fl_Button *pressed = nullptr;
    int category = 0, target = 0;
    bool click = false;
    if (roll < kFixedPerMille || choices.empty()) {
      pressed = (roll % 2) ? WindowMgr->VisitURLBtn : WindowMgr->InstructionBtn;
      ++fixedPresses;
    } else {
      std::uniform_int_distribution<size_t> pick(0, choices.size() - 1);
      pressed = choices[pick(rng)];
      const TActionData *slot = SlotOf(pressed);
      ASSERT_NE(slot, nullptr);
      category = slot->category;
      target = slot->target;
      click = roll < kFixedPerMille + kClickPerMille;
      ++byCategory[category];
    }
    recent.push_back("#" + std::to_string(i) + " room " + std::to_string(before.room) + ": " +
                     (click ? "click '" : "press '") + pressed->label() + "'");
    if (recent.size() > 12)
      recent.pop_front();

    if (click) {
      Click(pressed);
      ++clicks;
    } else {
      pressed->do_callback();
      Fl::check(); // runs the deferred deletions and redraws, as the event loop would
    }

    const TSnapshot after = TSnapshot::Take();
    rooms.insert(after.room);
    if (before.gap && after.room == before.room && after.buttons.size() > before.buttons.size())
      ++gapsFilled;
    ASSERT_TRUE(StateIsSound()) << history();
    if (category == 0) {
      ASSERT_TRUE(Unchanged(before, after)) << "a fixed button did more than open" << history();
    } else {
      ASSERT_TRUE(ChoiceDidItsJob(category, target, before, after, pressed)) << history();
    }

    if (i == kRssSamplePress)
      rssAtSample = RssKb();
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const long rssAtEnd = RssKb();
  std::ostringstream figures;
  figures << presses << " presses in " << seconds << " s (" << clicks << " clicks, " << fixedPresses
          << " fixed, " << restarts << " restarts, " << gapsFilled << " gaps filled, "
          << rooms.size() << " rooms); categories:";
  for (const auto &[c, n] : byCategory)
    figures << " " << c << "x" << n;
  figures << "; VmRSS " << rssAtSample << " kB after press " << kRssSamplePress << ", " << rssAtEnd
          << " kB at the end";
  std::cout << "[ soak     ] " << figures.str() << std::endl;

  // Every kind of button was pressed (with the default seed the first thousand presses already
  // do that), and a full run walks through the whole book.
  if (presses >= kRssSamplePress) {
    for (int c : {1, 2, 3, 4, 5, 7, 8, 10, 11})
      EXPECT_GT(byCategory[c], 0) << "category " << c << " was never pressed";
  }
  if (presses >= kDefaultPresses) {
    EXPECT_EQ(rooms.size(), content::kRoomCount) << "some rooms were never reached";
  }

  // Each fixed press started the handler once, with the site or the readme.
  const std::set<std::string> addresses = {
      content::kPublisherUrl, "file:" + std::string(QORVANE_SOURCE_DIR) + "/Qorvane_Readme.pdf"};
  const std::vector<std::string> opened = Opened(static_cast<size_t>(fixedPresses));
  EXPECT_EQ(opened.size(), static_cast<size_t>(fixedPresses));
  for (const std::string &a : opened)
    ASSERT_TRUE(addresses.count(a)) << "opened " << a;

  if (kAddressSanitizer) {
    // ASan keeps freed blocks in quarantine, so RSS grows by design; its leak check at exit
    // takes the place of this measure in that build.
    std::cout << "[ soak     ] resident memory not compared under AddressSanitizer" << std::endl;
  } else if (presses > kRssSamplePress) {
    ASSERT_GT(rssAtSample, 0);
    EXPECT_LE(rssAtEnd - rssAtSample, kRssSlackKb)
        << "resident memory grew from " << rssAtSample << " kB to " << rssAtEnd << " kB";
  }
}

} // namespace
