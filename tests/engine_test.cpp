// Triggers, entities with the inventory, and story sections, on the real content plus test rows.
#include <gtest/gtest.h>

#include <unistd.h>

#include "app/app.h"
#include "content/book_texts.h"
#include "story/story_mgr.h"
#include "tests/support.h"
#include "window/window_mgr.h"
#include "world/entity.h"
#include "world/room.h"
#include "world/trigger.h"

using namespace qtest;

namespace {

const std::string kPrompt = "WHAT DO YOU WANT TO DO? ";

TTrigger *Trigger(uint16_t id) {
  for (TTrigger *t : TTrigger::Walk())
    if (t->id == id)
      return t;
  return nullptr;
}

t_entity *Entity(int32_t id) {
  for (t_entity *e : t_entity::Walk())
    if (e->id == id)
      return e;
  return nullptr;
}

std::vector<std::pair<int32_t, int32_t>> Inventory() {
  std::vector<std::pair<int32_t, int32_t>> out;
  for (t_inventory *line : t_inventory::Walk())
    out.emplace_back(line->itemID, line->qty);
  return out;
}

class EngineTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(chdir(QORVANE_SOURCE_DIR), 0);
    StartGameAndShow();
  }
};

// --- Triggers ---------------------------------------------------------------------------------

TEST_F(EngineTest, TriggerTableAndStartup) {
  const struct {
    uint16_t id, room, category;
    int32_t target, value;
  } rows[] = {{1, 1, 1, 0, 0},  {2, 1, 10, 1, 1}, {3, 9, 1, 1, 0},
              {4, 6, 1, 14, 0}, {5, 6, 10, 6, 1}, {6, 6, 11, 14, 1}};
  ASSERT_EQ(TTrigger::Count(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    TTrigger *t = TTrigger::At(i);
    EXPECT_EQ(t->id, rows[i].id);
    EXPECT_EQ(t->roomNum, rows[i].room);
    EXPECT_EQ(t->category, rows[i].category);
    EXPECT_EQ(t->target, rows[i].target);
    EXPECT_EQ(t->targetValue, rows[i].value);
  }
  EXPECT_EQ(Trigger(3)->StoryText, content::kRedBookText);
  EXPECT_EQ(Trigger(4)->StoryText, content::kWiseManText);
  // Start-up entered room 1: its chain fired once and switched itself off; the rest are armed.
  const uint8_t enabled[] = {1, 0, 1, 1, 1, 1};
  for (uint16_t id = 1; id <= 6; ++id)
    EXPECT_EQ(Trigger(id)->isEnabled, enabled[id - 1]) << "trigger " << id;
}

TEST_F(EngineTest, RestartDoesNotRearmTheFirstRoomsChain) {
  // Make trigger 1 visible: it now alerts a watcher in room 1 if anything fires it again.
  EntityMgr->addEntity(50, "night porter", 2, 1, 0, "A tired man.", "by the lift", 0);
  Trigger(1)->category = 11;
  Trigger(1)->target = 50;
  Trigger(1)->targetValue = 1;
  GoTo(4);
  Press(ButtonLabelled("Restart the story and try again."));
  ASSERT_EQ(App->currentRm, 1);
  EXPECT_EQ(Entity(50)->isAlerted, 0);
  EXPECT_NE(PaneText().find("The night porter is not alerted to your presence."),
            std::string::npos);
}

TEST_F(EngineTest, EnteringRoomSixAlertsTheWiseManOnce) {
  EntityMgr->addEntity(14, "wise man", 2, 6, 0, "An old man with a red book.", "in the corner", 0);
  GoTo(25);
  Press(ButtonLabelled(TChoice::At(39)->desc)); // press the switch marked disarm: east to 6
  ASSERT_EQ(App->currentRm, 6);
  EXPECT_EQ(Trigger(5)->isEnabled, 0);
  EXPECT_EQ(Entity(14)->isAlerted, 1);
  const std::string pane = PaneText();
  EXPECT_NE(pane.find("A wise man is in the corner. The wise man is alerted to your presence.\n\n"),
            std::string::npos);
  EXPECT_EQ(pane.find(content::kWiseManText), std::string::npos) << "trigger 4 is no chain";

  EntityMgr->setAlertness(14, 0);
  GoTo(25);
  Press(ButtonLabelled(TChoice::At(39)->desc));
  EXPECT_EQ(Entity(14)->isAlerted, 0) << "room 6's chain fires only once per run";
}

TEST_F(EngineTest, ActivateAndDisableByNumber) {
  WindowMgr->SetStoryArea("");
  TriggerMgr->Activate(4);
  TriggerMgr->Activate(4);
  EXPECT_EQ(PaneText(), std::string(content::kWiseManText) + content::kWiseManText);
  WindowMgr->SetStoryArea("");
  TriggerMgr->Activate(3);
  TriggerMgr->Disable(3);
  TriggerMgr->Activate(3);
  EXPECT_EQ(PaneText(), content::kRedBookText);

  std::vector<uint8_t> before;
  for (TTrigger *t : TTrigger::Walk())
    before.push_back(t->isEnabled);
  TriggerMgr->Activate(7);
  TriggerMgr->Disable(7);
  std::vector<uint8_t> after;
  for (TTrigger *t : TTrigger::Walk())
    after.push_back(t->isEnabled);
  EXPECT_EQ(after, before);
  EXPECT_EQ(PaneText(), content::kRedBookText);
}

TEST_F(EngineTest, ChainsEndEvenWhenTheyLoop) {
  WindowMgr->SetStoryArea("");
  TriggerMgr->addTrigger(20, 0, 10, 20, 0, 1, ""); // names itself
  TriggerMgr->addTrigger(21, 0, 10, 22, 0, 1, ""); // 21 and 22 name each other
  TriggerMgr->addTrigger(22, 0, 10, 21, 0, 1, "");
  TriggerMgr->addTrigger(23, 0, 10, 24, 0, 1, ""); // 23 -> 24 -> text, then 24 is off
  TriggerMgr->addTrigger(24, 0, 10, 25, 0, 1, "");
  TriggerMgr->addTrigger(25, 0, 1, 0, 0, 1, "[25]");
  TriggerMgr->addTrigger(26, 0, 10, 999, 0, 1, ""); // names no trigger
  TriggerMgr->Activate(20);
  TriggerMgr->Activate(21);
  TriggerMgr->Activate(23);
  TriggerMgr->Activate(23);
  TriggerMgr->Activate(26);
  for (uint16_t id : {20, 21, 22, 23, 24, 26})
    EXPECT_EQ(Trigger(id)->isEnabled, 0) << id;
  EXPECT_EQ(Trigger(25)->isEnabled, 1) << "show-text triggers stay armed";
  EXPECT_EQ(PaneText(), "[25]");
}

TEST_F(EngineTest, UnknownCategoriesDoNothingAndStayEnabled) {
  WindowMgr->SetStoryArea("");
  const uint16_t categories[] = {0, 2, 3, 4, 5, 6, 7, 9, 12, 255, 65535};
  uint16_t id = 100;
  for (uint16_t c : categories) {
    TriggerMgr->addTrigger(id, 1, c, 9, 10, 1, "[text]");
    TriggerMgr->Activate(id);
    EXPECT_EQ(Trigger(id)->isEnabled, 1) << "category " << c;
    ++id;
  }
  TriggerMgr->checkRoomEntrance(1); // only chains fire on entry
  EXPECT_EQ(PaneText(), "");
}

TEST_F(EngineTest, PathwayAndAlertTriggersUseTheirOperandsLowBits) {
  TriggerMgr->addTrigger(30, 0, 8, 65536 + 9, 65536 + 10, 1, "");
  TriggerMgr->Activate(30);
  TriggerMgr->Activate(30);
  GoTo(9);
  EXPECT_EQ(RoomMgr->ChangeRoom(5), 1);
  EXPECT_EQ(App->currentRm, 10);

  EntityMgr->addEntity(40, "guard", 2, 10, 0, "", "at the gate", 0);
  TriggerMgr->addTrigger(31, 0, 11, 40, 0x102, 1, "");
  TriggerMgr->Activate(31);
  EXPECT_EQ(Entity(40)->isAlerted, 2) << "the flag is the low 8 bits";
}

TEST_F(EngineTest, EntranceChainReachedEarlierInTheWalkFiresOnce) {
  TriggerMgr->addTrigger(41, 40, 10, 42, 0, 1, "");
  TriggerMgr->addTrigger(42, 40, 10, 43, 0, 1, "");
  TriggerMgr->addTrigger(43, 40, 1, 0, 0, 1, "[43]");
  TriggerMgr->addTrigger(44, 40, 1, 0, 0, 1, "[44 is no chain]");
  WindowMgr->SetStoryArea("");
  TriggerMgr->checkRoomEntrance(40);
  EXPECT_EQ(PaneText(), "[43]");
  EXPECT_EQ(Trigger(41)->isEnabled, 0);
  EXPECT_EQ(Trigger(42)->isEnabled, 0);
  TriggerMgr->checkRoomEntrance(40);
  EXPECT_EQ(PaneText(), "[43]");
}

// --- Entities and the inventory ---------------------------------------------------------------

TEST_F(EngineTest, OnlyThePlayerExists) {
  ASSERT_EQ(t_entity::Count(), 1u);
  t_entity *p = Entity(1);
  EXPECT_EQ(p->name, "Player");
  EXPECT_EQ(p->category, 2);
  EXPECT_EQ(p->roomNum, 8);
  EXPECT_EQ(p->canTake, 0);
  EXPECT_EQ(p->location, "floor");
  EXPECT_EQ(p->initiative, 11);
  EXPECT_EQ(p->desc, content::kPlayerDesc);
  for (int room : {1, 8, 9, 17})
    EXPECT_EQ(EntityMgr->showRoomEntities(room), "\n") << "the player is never listed";
  WindowMgr->Window_Main_Clear_Choice_Btns();
  EXPECT_EQ(EntityMgr->getHints(8), "");
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 0);
  EXPECT_EQ(EntityMgr->getObjectDesc(1), "\n\nYou decide to examine the Player.\n\n" +
                                             std::string(content::kPlayerDesc) + "\n\n");
  EXPECT_EQ(EntityMgr->getObjectDesc(2), "");
  EXPECT_EQ(EntityMgr->GetCategory(1), 2);
  EXPECT_EQ(EntityMgr->GetCategory(2), 0);
  EXPECT_EQ(EntityMgr->dropItem("Player", 8), 0);
}

TEST_F(EngineTest, ListingSentences) {
  EntityMgr->addEntity(20, "brass key", 0, 40, 1, "", "floor", 0);
  EntityMgr->addEntity(21, "cat", 2, 40, 0, "", "asleep", 0);
  EntityMgr->addEntity(22, "parrot", 2, 40, 1, "", "perch", 0);
  EntityMgr->addEntity(23, "statue", 0, 40, 2, "", "plinth", 0);
  EntityMgr->addEntity(24, "rug", 0, 40, 0, "", "floor", 0); // neither takeable nor a character
  EntityMgr->setAlertness(22, 1);
  EXPECT_EQ(EntityMgr->showRoomEntities(40),
            "There is a brass key on the floor. "
            "A cat is asleep. The cat is not alerted to your presence."
            "There is a parrot on the perch. A parrot is perch. The parrot is alerted to your "
            "presence."
            "There is a statue on the plinth. \n\n");
  EXPECT_EQ(EntityMgr->showRoomEntities(65536 + 40), "\n");
  EXPECT_EQ(EntityMgr->showRoomEntities(-1), "\n");
  EntityMgr->setAlertness(999, 1); // no such entity: nothing changes
  EXPECT_EQ(Entity(21)->isAlerted, 0);

  WindowMgr->Window_Main_Clear_Choice_Btns();
  EXPECT_EQ(EntityMgr->getHints(40), " EXAMINE brass key\r TAKE brass key\r EXAMINE cat\r ASK cat\r"
                                     " EXAMINE parrot\r TAKE parrot\r ASK parrot\r"
                                     " EXAMINE statue\r EXAMINE rug\r")
      << "the rug's button finds the column full, its hint is there all the same";
  EXPECT_EQ(ChoiceLabels(), (std::vector<std::string>{
                                "Examine brass key", "Take brass key", "Examine cat", "Ask cat",
                                "Examine parrot", "Take parrot", "Ask parrot", "Examine statue"}));
  const uint16_t categories[] = {7, 10, 7, 8, 7, 10, 8, 7};
  const int32_t targets[] = {20, 20, 21, 21, 22, 22, 22, 23};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(TActionData::At(i)->category, categories[i]);
    EXPECT_EQ(TActionData::At(i)->target, targets[i]);
  }

  EXPECT_EQ(EntityMgr->isObjectInRm("brass key", 40), 1);
  EXPECT_EQ(EntityMgr->isObjectInRm("Brass Key", 40), 0) << "names are case-sensitive";
  EXPECT_EQ(EntityMgr->isObjectInRm("brass key ", 40), 0);
  EXPECT_EQ(EntityMgr->isObjectInRm("brass key", 41), 0);
  EXPECT_EQ(EntityMgr->canTakeObject("statue", 40), 2) << "returned as stored";
  EXPECT_EQ(EntityMgr->canTakeObject("STATUE", 40), 0);
}

TEST_F(EngineTest, EntityButtonsComeBeforeChoicesAfterAMoveAndAfterAtStartup) {
  EntityMgr->addEntity(20, "brass key", 0, 17, 1, "Small and cold.", "doormat", 0);
  Press(ButtonLabelled("Continue the adventure..."));
  std::vector<std::string> labels = ChoiceLabels();
  ASSERT_EQ(labels.size(), 5u);
  EXPECT_EQ(labels[0], "Examine brass key");
  EXPECT_EQ(labels[1], "Take brass key");
  EXPECT_NE(PaneText().find("There is a brass key on the doormat. \n\n" + kPrompt),
            std::string::npos);

  EntityMgr->addEntity(21, "milk bottle", 0, 1, 1, "", "step", 0);
  WindowMgr->Window_Main_Clear_Choice_Btns();
  App->currentRm = 1;
  App->Init(); // start-up's order: the room's choices, then its entities
  EXPECT_EQ(ChoiceLabels(), (std::vector<std::string>{"Continue the adventure...",
                                                      "Examine milk bottle", "Take milk bottle"}));
}

TEST_F(EngineTest, ExamineAndTakeWithThePointer) {
  EntityMgr->addEntity(20, "brass key", 0, 17, 1, "Small and cold.", "doormat", 0);
  Click(ButtonLabelled("Continue the adventure..."));
  ASSERT_EQ(App->currentRm, 17);
  const std::string room = PaneText();

  Click(ButtonLabelled("Examine brass key"));
  EXPECT_EQ(PaneText(),
            room + "\n\nYou decide to examine the brass key.\n\nSmall and cold.\n\n" + kPrompt);
  EXPECT_EQ(PaneTopLine(), 1);

  std::vector<Fl_Button *> before = ChoiceButtons();
  const std::string beforeTake = PaneText();
  Click(ButtonLabelled("Take brass key"));
  EXPECT_EQ(PaneText(), beforeTake + "\nYou took the brass key.\n") << "no prompt after a take";
  EXPECT_EQ(ButtonLabelled("Take brass key"), nullptr);
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 4);
  std::vector<Fl_Button *> after = ChoiceButtons();
  ASSERT_EQ(after.size(), 4u);
  EXPECT_EQ(after[0], before[0]);
  for (size_t i = 1; i < 4; ++i)
    EXPECT_EQ(after[i]->y(), before[i + 1]->y()) << "the buttons below stay where they were";
  EXPECT_EQ(Entity(20)->roomNum, 0);
  EXPECT_EQ(Inventory(), (std::vector<std::pair<int32_t, int32_t>>{{20, 1}}));
  EXPECT_EQ(EntityMgr->showRoomEntities(17), "\n");
  EXPECT_NE(EntityMgr->getObjectDesc(20), "") << "taken things can still be examined";
  WindowMgr->Window_Main_Clear_Choice_Btns();
  EntityMgr->getHints(17);
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 0);
}

TEST_F(EngineTest, TakeFailuresAndTheInventory) {
  EntityMgr->addEntity(20, "brass key", 0, 40, 1, "", "floor", 0);
  EntityMgr->addEntity(21, "anvil", 0, 40, 0, "", "floor", 0);
  EntityMgr->addEntity(22, "statue", 0, 40, 2, "", "plinth", 0);
  WindowMgr->SetStoryArea("");
  EXPECT_EQ(EntityMgr->takeObject(20, 41, 1), 0) << "wrong room";
  EXPECT_EQ(EntityMgr->takeObject(21, 40, 1), 0) << "cannot be taken";
  EXPECT_EQ(EntityMgr->takeObject(22, 40, 1), 0) << "only canTake 1 counts";
  EXPECT_EQ(EntityMgr->takeObject(99, 40, 1), 0) << "no such object";
  EXPECT_EQ(PaneText(), "");
  EXPECT_TRUE(Inventory().empty());

  // Regression: a take by nobody used to leave the key in no room and in no inventory.
  EXPECT_EQ(EntityMgr->takeObject(20, 40, 999), 0);
  EXPECT_EQ(PaneText(), "\nAttempting to take brass key failed.\n");
  EXPECT_EQ(Entity(20)->roomNum, 40) << "a failed take must leave the object where it was";
  EXPECT_TRUE(Inventory().empty());
  EXPECT_EQ(EntityMgr->isObjectInRm("brass key", 40), 1);

  EXPECT_EQ(EntityMgr->addInventory(999, 6, 1), 0);
  EXPECT_TRUE(Inventory().empty()) << "no line for an entity that does not exist";
  EXPECT_EQ(EntityMgr->hasItem(1, 6), 0);
  EntityMgr->addEntity(14, "wise man", 2, 6, 0, "", "corner", 0);
  EXPECT_EQ(EntityMgr->addInventory(14, 6, 1), 1);
  EXPECT_EQ(EntityMgr->hasItem(1, 6), 1) << "lines are shared, whoever they were added for";
  EXPECT_EQ(EntityMgr->hasItem(999, 6), 0);
  EXPECT_EQ(EntityMgr->addInventory(1, 6, 1), 1);
  EXPECT_EQ(EntityMgr->takeObject(20, 40, 1), 1);
  EXPECT_EQ(EntityMgr->addInventory(1, 20, 3), 1);
  EXPECT_EQ(Inventory(), (std::vector<std::pair<int32_t, int32_t>>{{6, 2}, {20, 4}}));
  EXPECT_EQ(Entity(1)->inventory, t_inventory::At(1)) << "the last line visited";
}

TEST_F(EngineTest, AskingCharacters) {
  EntityMgr->addEntity(14, "wise man", 2, 6, 0, "", "corner", 0);
  EntityMgr->addEntity(15, "cat", 2, 6, 0, "", "asleep", 0);
  WindowMgr->SetStoryArea("");
  EntityMgr->AskEntity(15);
  EXPECT_EQ(PaneText(), "\n\nYou decided to talk with the cat.");
  EntityMgr->AskEntity(999);
  EXPECT_EQ(PaneText(), "\n\nYou decided to talk with the cat.");

  GoTo(6);
  const std::string room = PaneText();
  Press(ButtonLabelled("Ask wise man"));
  EXPECT_EQ(PaneText(),
            room + "\n\nYou decided to talk with the wise man." + content::kWiseManText + kPrompt);
}

TEST_F(EngineTest, RedBookOpensTheWayUpInRoomNine) {
  GoTo(9);
  EXPECT_EQ(ButtonLabelled("Use Red Book"), nullptr) << "not without the book";
  EntityMgr->addInventory(1, 6, 1);
  GoTo(8);
  EXPECT_EQ(ButtonLabelled("Use Red Book"), nullptr) << "only in room 9";
  GoTo(9);
  ASSERT_NE(ButtonLabelled("Use Red Book"), nullptr);
  EXPECT_EQ(TActionData::At(0)->category, 11);
  EXPECT_EQ(TActionData::At(0)->target, 6);

  const std::string room = PaneText();
  Press(ButtonLabelled("Use Red Book"));
  EXPECT_EQ(PaneText(), room + content::kRedBookText) << "the passage, once";
  EXPECT_EQ(Trigger(2)->isEnabled, 0);
  EXPECT_EQ(Trigger(3)->isEnabled, 0);
  EXPECT_EQ(ChoiceLabels(), (std::vector<std::string>{"Use Red Book", "Go Up"}));
  EXPECT_EQ(TActionData::At(1)->category, 5);
  EXPECT_EQ(TActionData::At(1)->target, 10);

  for (int i = 0; i < 10; ++i)
    Press(ButtonLabelled("Use Red Book"));
  EXPECT_EQ(PaneText(), room + content::kRedBookText) << "no more text";
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 8);
  EXPECT_EQ(ChoiceLabels().size(), 8u);

  Press(ButtonLabelled("Go Up")); // room 9 has no way up yet
  EXPECT_EQ(App->currentRm, 9);
  RoomMgr->EnablePathway(9, 10, 8);
  Press(ButtonLabelled("Go Up"));
  EXPECT_EQ(App->currentRm, 10);
  EXPECT_EQ(ChoiceLabels(), std::vector<std::string>{"Continue..."});

  // Elsewhere the use button does nothing.
  WindowMgr->Window_Main_Create_Choice_Btn(11, 6, "Use Red Book");
  Press(ButtonLabelled("Use Red Book"));
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 2);
}

// --- Story sections ---------------------------------------------------------------------------

TEST_F(EngineTest, SectionsFollowTheirPaths) {
  ASSERT_EQ(TStorySection::Count(), 2u);
  WindowMgr->SetStoryArea("");
  EXPECT_EQ(StoryMgr->ChangeSection(12, 0), 1);
  EXPECT_EQ(App->currentSection, 2);
  EXPECT_EQ(PaneText(), "\n\nYou decide to Go to section 2. "
                        "This section two. All section narrative text goes here.\n\n" +
                            kPrompt);
  WindowMgr->SetStoryArea("");
  EXPECT_EQ(StoryMgr->ChangeSection(12, 77), 1);
  EXPECT_EQ(App->currentSection, 1);
  EXPECT_EQ(PaneText(),
            "\n\nYou decide to Go to first section. This is the first section.\n\n" + kPrompt);

  WindowMgr->SetStoryArea("");
  for (uint16_t code : {13, 14, 15, 16, 17, 11, 0, 1})
    EXPECT_EQ(StoryMgr->ChangeSection(code, 0), 0) << code;
  EXPECT_EQ(App->currentSection, 1);
  EXPECT_EQ(PaneText(), "");
  StoryMgr->DisplaySection(99);
  EXPECT_EQ(PaneText(), "");
}

TEST_F(EngineTest, SectionsBeyondThePlaceholders) {
  StoryMgr->addSection(5, "[5a]", 0, "", 0, "", 0, "", 0, "", 7, "five", 7, "six");
  StoryMgr->addSection(5, "[5b]", 6, "Take the stairs", 0, "", 0, "", 50, "Jump", 0, "", 0, "");
  StoryMgr->addSection(6, "[6]", 0, "", 0, "", 0, "", 0, "", 0, "", 0, "");
  WindowMgr->SetStoryArea("");
  StoryMgr->DisplaySection(5);
  EXPECT_EQ(PaneText(), "[5a]" + kPrompt + "[5b]" + kPrompt) << "every match, in order";

  App->currentSection = 5;
  WindowMgr->SetStoryArea("");
  EXPECT_EQ(StoryMgr->ChangeSection(16, 0), 0) << "paths 5 and 6 are never chosen";
  EXPECT_EQ(StoryMgr->ChangeSection(12, 0), 1) << "the first section with that path";
  EXPECT_EQ(PaneText(), "\n\nYou decide to Take the stairs. [6]" + kPrompt);

  // A path to a section that does not exist: the sentence, and then a dead end.
  App->currentSection = 5;
  WindowMgr->SetStoryArea("");
  EXPECT_EQ(StoryMgr->ChangeSection(15, 0), 1);
  EXPECT_EQ(App->currentSection, 50);
  EXPECT_EQ(PaneText(), "\n\nYou decide to Jump. ");
  EXPECT_EQ(StoryMgr->ChangeSection(12, 0), 0);
}

} // namespace
