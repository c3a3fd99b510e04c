// Scripted playthroughs to each of the three endings with real pointer clicks; memcheck runs them.
#include <gtest/gtest.h>

#include <FL/Fl_Button.H>
#include <unistd.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/app.h"
#include "tests/support.h"
#include "window/window_mgr.h"
#include "world/room.h"

using namespace qtest;

namespace {

enum TDir { kNorth = 1, kSouth = 2, kEast = 3, kWest = 4 };

struct TStep {
  TDir dir;
  int room; // where the click must lead
};

struct TPlaythrough {
  const char *name;
  std::vector<TStep> steps;
};

void PrintTo(const TPlaythrough &p, std::ostream *os) {
  *os << p.name;
}

// The choice button that follows the exit in this direction.
Fl_Button *ButtonFor(TDir dir) {
  for (TActionData *slot : TActionData::Walk())
    if (slot->btnGadgetID && slot->category == dir)
      return slot->btnGadgetID;
  return nullptr;
}

std::string RoomText(int id) {
  for (t_room *r : t_room::Walk())
    if (r->id == id)
      return r->desc;
  return std::string();
}

class PlaythroughTest : public ::testing::TestWithParam<TPlaythrough> {};

TEST_P(PlaythroughTest, ClicksLeadToTheEnding) {
  ASSERT_EQ(chdir(QORVANE_SOURCE_DIR), 0);
  StartGameAndShow();
  ASSERT_EQ(App->currentRm, 1);
  int step = 0;
  for (const TStep &s : GetParam().steps) {
    SCOPED_TRACE("step " + std::to_string(++step) + " from room " + std::to_string(App->currentRm));
    Fl_Button *b = ButtonFor(s.dir);
    ASSERT_NE(b, nullptr) << "no button goes that way";
    Click(b);
    ASSERT_EQ(App->currentRm, s.room);
  }
  const int ending = GetParam().steps.back().room;
  const std::string text = PaneText();
  EXPECT_NE(text.find(RoomText(ending)), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - ClosingMessage().size()), ClosingMessage());
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 0) << "an ending offers no choice";
  EXPECT_TRUE(ChoiceButtons().empty());
  EXPECT_NE(WindowMgr->StoryImg, nullptr) << "the ending's picture did not load";
}

// The way to room 9 starts with a wrong turn into a losing room and its restart.
const TPlaythrough kPlaythroughs[] = {
    {"Room9",
     {{kNorth, 17},
      {kSouth, 4},
      {kNorth, 1},
      {kNorth, 17},
      {kNorth, 25},
      {kWest, 2},
      {kWest, 28},
      {kNorth, 9}}},
    {"Room18",
     {{kNorth, 17}, {kNorth, 25}, {kWest, 2}, {kEast, 8}, {kWest, 16}, {kNorth, 3}, {kNorth, 18}}},
    {"Room23",
     {{kNorth, 17}, {kNorth, 25}, {kWest, 2}, {kEast, 8}, {kWest, 16}, {kNorth, 3}, {kSouth, 23}}},
};

INSTANTIATE_TEST_SUITE_P(Endings, PlaythroughTest, ::testing::ValuesIn(kPlaythroughs),
                         [](const ::testing::TestParamInfo<TPlaythrough> &info) {
                           return std::string(info.param.name);
                         });

} // namespace
