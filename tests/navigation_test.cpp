// Moving through the book in the real window: start-up, exits, restarts and the endings.
#include <gtest/gtest.h>

#include <FL/Fl_Box.H>
#include <FL/Fl_RGB_Image.H>
#include <unistd.h>

#include "app/app.h"
#include "content/book_texts.h"
#include "content/room_texts.h"
#include "story/story_mgr.h"
#include "tests/support.h"
#include "window/window_mgr.h"
#include "world/entity.h"
#include "world/room.h"
#include "world/trigger.h"

using namespace qtest;

namespace {

const char kPrompt[] = "WHAT DO YOU WANT TO DO? ";

std::string RoomText(int id) {
  for (t_room *r : t_room::Walk())
    if (r->id == id)
      return r->desc;
  return "";
}

std::string Picture(int id) {
  for (t_room *r : t_room::Walk())
    if (r->id == id)
      return r->imgFn;
  return "";
}

class NavigationTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(chdir(QORVANE_SOURCE_DIR), 0);
    StartGameAndShow();
  }
};

TEST_F(NavigationTest, StartupShowsTitleIntroductionFirstRoomAndOneButton) {
  EXPECT_EQ(PaneText(), std::string("Qorvane, v1.0") + content::kStoryIntro + content::kRoomText01 +
                            "\n" + kPrompt);
  EXPECT_EQ(PaneTopLine(), 1);
  EXPECT_EQ(ChoiceLabels(), std::vector<std::string>{"Continue the adventure..."});
  ASSERT_NE(WindowMgr->StoryImg, nullptr) << "data/media/img/brownBox.jpg did not load";
  EXPECT_EQ(WindowMgr->StoryImgPanel->image(), static_cast<Fl_Image *>(WindowMgr->StoryImg));
}

TEST_F(NavigationTest, NorthAndUpMovesCarryTheirNewlinesAway) {
  Press(ButtonLabelled("Continue the adventure..."));
  EXPECT_EQ(App->currentRm, 17);
  EXPECT_EQ(PaneText(), RoomText(17) + "\n" + kPrompt) << "no leading newlines after north";
  EXPECT_EQ(ChoiceLabels().size(), 3u);

  GoTo(2);
  EXPECT_EQ(RoomMgr->ChangeRoom(2), 1);
  EXPECT_EQ(App->currentRm, 14);
  EXPECT_EQ(PaneText(), "\n\n" + RoomText(14) + "\n" + kPrompt) << "south keeps its newlines";

  struct {
    uint16_t from, dir, to;
    bool newlines;
  } moves[] = {{2, 3, 8, true}, {2, 4, 28, true}, {2, 5, 10, false}, {2, 1, 21, false}};
  for (const auto &m : moves) {
    SCOPED_TRACE(std::to_string(m.from) + " dir " + std::to_string(m.dir));
    GoTo(m.from);
    EXPECT_EQ(RoomMgr->ChangeRoom(m.dir), 1);
    EXPECT_EQ(App->currentRm, m.to);
    EXPECT_EQ(PaneText(), (m.newlines ? "\n\n" : "") + RoomText(m.to) + "\n" + kPrompt);
  }
}

TEST_F(NavigationTest, MovesThatGoNowhereChangeNothing) {
  const std::string before = PaneText();
  Fl_Image *picture = WindowMgr->StoryImgPanel->image();
  for (uint16_t dir : {0, 2, 3, 4, 5, 6, 7, 65535}) {
    EXPECT_EQ(RoomMgr->ChangeRoom(dir), 0) << dir;
    EXPECT_EQ(App->currentRm, 1);
  }
  EXPECT_EQ(PaneText(), before);
  EXPECT_EQ(WindowMgr->StoryImgPanel->image(), picture);

  // A press on a button whose direction has no exit leaves the column alone too.
  WindowMgr->Window_Main_Create_Choice_Btn(6, 0, "Go Down");
  Press(ButtonLabelled("Go Down"));
  EXPECT_EQ(PaneText(), before);
  EXPECT_EQ(ChoiceLabels(), (std::vector<std::string>{"Continue the adventure...", "Go Down"}));

  // A room number that no room has: nothing to show, nowhere to go.
  RoomMgr->displayRoom("x", 31);
  EXPECT_EQ(PaneText(), before);
  App->currentRm = 99;
  EXPECT_EQ(RoomMgr->ChangeRoom(1), 0);
  EXPECT_EQ(App->currentRm, 99);
}

TEST_F(NavigationTest, ButtonsTargetIsIgnoredTheExitDecides) {
  WindowMgr->Window_Main_Clear_Choice_Btns();
  WindowMgr->Window_Main_Create_Choice_Btn(1, 25, "North, claims 25");
  Press(ButtonLabelled("North, claims 25"));
  EXPECT_EQ(App->currentRm, 17);
}

TEST_F(NavigationTest, HintsOfferOneButtonPerExit) {
  WindowMgr->Window_Main_Clear_Choice_Btns();
  RoomMgr->GetHints(2);
  EXPECT_EQ(ChoiceLabels(),
            (std::vector<std::string>{"Go North", "Go South", "Go East", "Go West", "Go Up"}));
  const int targets[] = {21, 14, 8, 28, 10};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(TActionData::At(i)->category, i + 1);
    EXPECT_EQ(TActionData::At(i)->target, targets[i]);
  }
  RoomMgr->GetHints(2); // three more fit, then the column is full
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 8);
  RoomMgr->GetHints(9);
  RoomMgr->GetHints(31);
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 8);
}

TEST_F(NavigationTest, PathwaysOpenOnlyWithKindEight) {
  GoTo(9);
  EXPECT_EQ(RoomMgr->ChangeRoom(5), 0);
  RoomMgr->EnablePathway(9, 10, 1);
  EXPECT_EQ(RoomMgr->ChangeRoom(5), 0) << "kind 1 must not open anything";
  RoomMgr->EnablePathway(9, 10, 8);
  WindowMgr->Window_Main_Clear_Choice_Btns();
  RoomMgr->GetHints(9);
  EXPECT_EQ(ChoiceLabels(), std::vector<std::string>{"Go Up"});
  EXPECT_EQ(RoomMgr->ChangeRoom(5), 1);
  EXPECT_EQ(App->currentRm, 10);
  EXPECT_EQ(PaneText(), RoomText(10) + "\n" + kPrompt);

  // An exit to a number that no room has still moves the player; the old text stays.
  RoomMgr->EnablePathway(10, 77, 8);
  const std::string before = PaneText();
  EXPECT_EQ(RoomMgr->ChangeRoom(5), 1);
  EXPECT_EQ(App->currentRm, 77);
  EXPECT_EQ(PaneText(), before + "\n\n");
}

TEST_F(NavigationTest, EndingsCloseTheGameAndLosingRoomsRestart) {
  for (uint16_t ending : {9, 18, 23}) {
    SCOPED_TRACE(ending);
    GoTo(ending);
    EXPECT_EQ(PaneText(), RoomText(ending) + "\n" + ClosingMessage());
    EXPECT_TRUE(ChoiceLabels().empty());
    EXPECT_EQ(Picture(ending), "data/media/img/buildingExplosion.jpg");
    for (uint16_t dir = 1; dir <= 6; ++dir)
      EXPECT_EQ(RoomMgr->ChangeRoom(dir), 0);
  }
  const std::string closing = ClosingMessage();
  EXPECT_EQ(closing, "\nCongratulations! You have completed the game. Thanks for playing!\n\n"
                     "Visit https://www.qorvane.example.org/ for more games and information.\n\n"
                     "Game Over\n");

  for (uint16_t losing : {4, 5, 6, 7, 11, 13, 14, 15, 19, 22, 24, 26, 27, 29, 30}) {
    SCOPED_TRACE(losing);
    GoTo(losing);
    EXPECT_EQ(ChoiceLabels(), std::vector<std::string>{"Restart the story and try again."});
    EXPECT_EQ(WindowMgr->StoryImg != nullptr, true) << "flames.jpg did not load";
    Press(ButtonLabelled("Restart the story and try again."));
    EXPECT_EQ(App->currentRm, 1);
    EXPECT_EQ(PaneText(), RoomText(1) + "\n" + kPrompt) << "a restart shows no introduction";
    EXPECT_EQ(ChoiceLabels(), std::vector<std::string>{"Continue the adventure..."});
  }
}

// Plays the book with real pointer clicks, by the labels a reader sees.
TEST_F(NavigationTest, ShortestWayToTheBestEndingTakesFiveClicks) {
  const int choices[] = {1, 26, 41, 5, 44};
  for (int id : choices) {
    std::string label;
    for (TChoice *c : TChoice::Walk())
      if (c->id == id)
        label = c->desc;
    ASSERT_NE(ButtonLabelled(label), nullptr) << "no button for choice " << id;
    Click(ButtonLabelled(label));
  }
  EXPECT_EQ(App->currentRm, 9);
  EXPECT_NE(PaneText().find("Game Over"), std::string::npos);
  EXPECT_TRUE(ChoiceLabels().empty());
}

TEST_F(NavigationTest, RoomTwoOffersItsChoicesInCreationOrder) {
  GoTo(2);
  std::vector<std::string> expected;
  for (TChoice *c : TChoice::Walk())
    if (c->roomNum == 2)
      expected.push_back(c->desc);
  EXPECT_EQ(ChoiceLabels(), expected);
  ASSERT_EQ(expected.size(), 5u);
  Press(ButtonLabelled(expected[4]));
  EXPECT_EQ(App->currentRm, 10) << "the fifth choice goes up";
}

TEST_F(NavigationTest, ChoiceActiveFlagAndRepeatsAndTheLimit) {
  StoryMgr->addChoice(90, "Inactive", 1, 1, 0, 0);
  StoryMgr->addChoice(91, "Also inactive", 1, 1, 0, 2);
  for (int i = 0; i < 9; ++i)
    StoryMgr->addChoice(static_cast<uint16_t>(100 + i), "Extra " + std::to_string(i), 40, 9, 0, 1);
  WindowMgr->Window_Main_Clear_Choice_Btns();
  StoryMgr->GetChoices(1);
  StoryMgr->GetChoices(1);
  EXPECT_EQ(ChoiceLabels(),
            (std::vector<std::string>{"Continue the adventure...", "Continue the adventure..."}));
  StoryMgr->GetChoices(40);
  std::vector<std::string> labels = ChoiceLabels();
  ASSERT_EQ(labels.size(), 8u);
  EXPECT_EQ(labels[2], "Extra 0");
  EXPECT_EQ(labels[7], "Extra 5") << "buttons already there count against the eight";
}

} // namespace
