// The book's tables as data: graph integrity, the roles of the rooms, and the texts' form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <queue>
#include <set>
#include <string>
#include <vector>

#include "content/book_texts.h"
#include "content/tables.h"

using content::kChoiceTable;
using content::kRoomTable;

namespace {

const std::set<int> kEndings = {9, 18, 23};
const std::set<int> kLosing = {4, 5, 6, 7, 11, 13, 14, 15, 19, 22, 24, 26, 27, 29, 30};
const char kRestart[] = "Restart the story and try again.";

int Exit(const content::TRoomRow &r, int dir) {
  const int exits[] = {0, r.n, r.s, r.e, r.w, r.u, r.d};
  return dir >= 1 && dir <= 6 ? exits[dir] : 0;
}

const content::TRoomRow *Room(int id) {
  for (const auto &r : kRoomTable)
    if (r.id == id)
      return &r;
  return nullptr;
}

std::vector<const content::TChoiceRow *> ChoicesOf(int room) {
  std::vector<const content::TChoiceRow *> out;
  for (const auto &c : kChoiceTable)
    if (c.roomNum == room && c.isActive == 1)
      out.push_back(&c);
  return out;
}

bool Within5Percent(size_t actual, size_t target) {
  return std::fabs(static_cast<double>(actual) - target) <= 0.05 * target;
}

bool PlainAscii(const std::string &s) {
  return std::all_of(s.begin(), s.end(), [](char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u < 128 && u != '&' && (u >= 32 || u == '\n');
  });
}

TEST(ContentTest, RoomsAreTheBooksThirtySections) {
  // id: north south east west up down, picture
  struct {
    int id, n, s, e, w, u, d;
    const char *img;
  } rooms[] = {
      {1, 17, 0, 0, 0, 0, 0, "brownBox"},      {2, 21, 14, 8, 28, 10, 0, "electronics"},
      {3, 18, 23, 0, 0, 0, 0, "fire-escape"},  {8, 13, 5, 24, 16, 0, 0, "electronics"},
      {10, 27, 0, 0, 0, 0, 0, "CarryingBox"},  {12, 20, 0, 0, 0, 0, 0, "tunerCircuit"},
      {16, 3, 28, 12, 0, 0, 0, "electronics"}, {17, 25, 4, 22, 0, 0, 0, "paperNote"},
      {20, 9, 26, 0, 0, 0, 0, "fire-escape"},  {21, 7, 15, 29, 19, 0, 0, "electronics"},
      {25, 11, 30, 6, 2, 0, 0, "3switches"},   {28, 9, 26, 0, 0, 0, 0, "tunerCircuit"},
  };
  for (size_t i = 0; i < content::kRoomCount; ++i) {
    const auto &r = kRoomTable[i];
    EXPECT_EQ(r.id, i + 1) << "rooms are added in ascending order";
    EXPECT_EQ(std::string(r.name), "Section " + std::to_string(r.id));
    std::string img = r.imgFn;
    if (kEndings.count(r.id)) {
      EXPECT_EQ(img, "data/media/img/buildingExplosion.jpg") << r.id;
    }
    if (kLosing.count(r.id)) {
      EXPECT_EQ(img, "data/media/img/flames.jpg") << r.id;
      EXPECT_EQ(r.n, 1) << r.id;
      EXPECT_EQ(r.s + r.e + r.w + r.u + r.d, 0) << r.id;
    }
    if (kEndings.count(r.id)) {
      EXPECT_EQ(r.n + r.s + r.e + r.w + r.u + r.d, 0) << "an ending has no exits: " << r.id;
    }
  }
  for (const auto &x : rooms) {
    const auto *r = Room(x.id);
    ASSERT_NE(r, nullptr);
    SCOPED_TRACE(x.id);
    EXPECT_EQ((std::vector<int>{r->n, r->s, r->e, r->w, r->u, r->d}),
              (std::vector<int>{x.n, x.s, x.e, x.w, x.u, x.d}));
    EXPECT_EQ(std::string(r->imgFn), std::string("data/media/img/") + x.img + ".jpg");
  }
}

TEST(ContentTest, ChoicesServeEveryExitAndTheGraphHoldsTogether) {
  std::map<int, int> indegree;
  for (const auto &r : kRoomTable) {
    SCOPED_TRACE("room " + std::to_string(r.id));
    for (int dir = 1; dir <= 6; ++dir) {
      int served = 0;
      for (const auto *c : ChoicesOf(r.id))
        served += c->actionItem == dir;
      EXPECT_EQ(served, Exit(r, dir) ? 1 : 0) << "direction " << dir;
      if (Exit(r, dir)) {
        ASSERT_NE(Room(Exit(r, dir)), nullptr) << "exit to a room that does not exist";
        ++indegree[Exit(r, dir)];
      }
    }
    EXPECT_LE(ChoicesOf(r.id).size(), 8u) << "more buttons than the column holds";
    if (!kEndings.count(r.id)) {
      EXPECT_FALSE(ChoicesOf(r.id).empty()) << "a dead end that is not an ending";
    }
  }
  for (size_t i = 0; i < content::kChoiceCount; ++i) {
    const auto &c = kChoiceTable[i];
    EXPECT_EQ(c.id, i + 1);
    EXPECT_EQ(c.actionValue, 0);
    EXPECT_EQ(c.isActive, 1);
    ASSERT_NE(Room(c.roomNum), nullptr) << "choice " << c.id;
    EXPECT_NE(Exit(*Room(c.roomNum), c.actionItem), 0) << "choice " << c.id << " leads nowhere";
  }
  for (const auto &r : kRoomTable) {
    int expected = r.id == 1 ? 15 : (r.id == 9 || r.id == 26 || r.id == 28) ? 2 : 1;
    EXPECT_EQ(indegree[r.id], expected) << "rooms leading into " << r.id;
  }

  // Everything can be reached from room 1, the endings included.
  std::set<int> seen = {1};
  std::queue<int> todo;
  todo.push(1);
  while (!todo.empty()) {
    const auto *r = Room(todo.front());
    todo.pop();
    for (int dir = 1; dir <= 6; ++dir)
      if (Exit(*r, dir) && seen.insert(Exit(*r, dir)).second)
        todo.push(Exit(*r, dir));
  }
  EXPECT_EQ(seen.size(), content::kRoomCount);
}

TEST(ContentTest, LosingRoomsOfferOnlyTheRestart) {
  for (int id : kLosing) {
    auto choices = ChoicesOf(id);
    ASSERT_EQ(choices.size(), 1u) << id;
    EXPECT_STREQ(choices[0]->desc, kRestart);
    EXPECT_EQ(choices[0]->actionItem, 1);
  }
  EXPECT_STREQ(ChoicesOf(1).at(0)->desc, "Continue the adventure...");
  EXPECT_STREQ(ChoicesOf(10).at(0)->desc, "Continue...");
  EXPECT_STREQ(ChoicesOf(12).at(0)->desc, "Continue...");
  // Where the book asks how often the player has restarted: fewer than four north, else south.
  for (int id : {3, 20, 28}) {
    auto choices = ChoicesOf(id);
    ASSERT_EQ(choices.size(), 2u);
    std::string fewer = choices[0]->desc, more = choices[1]->desc;
    EXPECT_NE(fewer.find("restart"), std::string::npos) << fewer;
    EXPECT_NE(fewer.find("fewer than four"), std::string::npos) << fewer;
    EXPECT_NE(more.find("four or more"), std::string::npos) << more;
  }
}

TEST(ContentTest, TextsFollowTheBooksConventions) {
  const size_t roomLength[] = {2023, 1561, 581,  679, 583, 509,  484,  981,  1734, 988,
                               475,  672,  997,  649, 485, 1018, 2348, 1824, 637,  785,
                               257,  640,  1032, 743, 842, 1456, 536,  1019, 480,  539};
  for (const auto &r : kRoomTable) {
    SCOPED_TRACE("room " + std::to_string(r.id));
    const std::string t = r.desc;
    EXPECT_TRUE(Within5Percent(t.size(), roomLength[r.id - 1])) << t.size();
    EXPECT_TRUE(PlainAscii(t));
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(t.back(), '\n');
    // Each paragraph is one line that begins with two blanks; no blank lines between them.
    size_t start = 0;
    std::vector<std::string> lines;
    while (start < t.size()) {
      size_t end = t.find('\n', start);
      lines.push_back(t.substr(start, end - start));
      start = end + 1;
    }
    const bool ending = kEndings.count(r.id) > 0;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (ending && i + 2 == lines.size()) {
        EXPECT_EQ(lines[i], "") << "an ending closes with a blank line";
        continue;
      }
      EXPECT_EQ(lines[i].substr(0, 2), "  ") << "paragraph " << i;
      EXPECT_NE(lines[i][2], ' ') << "paragraph " << i;
    }
    if (ending)
      EXPECT_EQ(lines.back(), "  THE END");
    else
      EXPECT_EQ(t.find("THE END"), std::string::npos);
  }

  const size_t labelLength[] = {25, 78, 53, 38, 63, 63, 73, 71, 32,  32, 32, 32, 96, 72, 33, 80,
                                11, 32, 11, 32, 32, 32, 85, 48, 64,  63, 67, 69, 32, 73, 71, 36,
                                37, 38, 68, 32, 32, 34, 34, 34, 116, 32, 32, 73, 71, 32, 32};
  for (const auto &c : kChoiceTable) {
    std::string label = c.desc;
    EXPECT_TRUE(Within5Percent(label.size(), labelLength[c.id - 1])) << c.id << ": " << label;
    EXPECT_TRUE(PlainAscii(label) && label.find('\n') == std::string::npos) << label;
  }

  struct {
    const char *what, *text;
    size_t length;
  } others[] = {
      {"introduction", content::kStoryIntro, 810}, {"help", content::kBasicHelp, 753},
      {"red book", content::kRedBookText, 805},    {"wise man", content::kWiseManText, 190},
      {"player", content::kPlayerDesc, 75},
  };
  for (const auto &o : others) {
    SCOPED_TRACE(o.what);
    EXPECT_TRUE(Within5Percent(std::string(o.text).size(), o.length));
    EXPECT_TRUE(PlainAscii(o.text));
  }
  const std::string intro = content::kStoryIntro;
  EXPECT_EQ(intro.substr(0, 4), "\n\n  ");
  EXPECT_NE(intro.find("\n\nSTORY INTRODUCTION\n\n  "), std::string::npos);
  EXPECT_EQ(intro.substr(intro.size() - 2), "\n\n");
  const std::string help = content::kBasicHelp;
  EXPECT_EQ(help.substr(0, 20), "\nBASIC INSTRUCTIONS\n");
  for (const char *word : {"LOOK",         "TAKE [object]", "EXAMINE [object]",
                           "USE [object]", "DROP [object]", "ASK [person]",
                           "QUIT",         "HELP",          "NORTH",
                           "SOUTH",        "EAST",          "WEST",
                           "UP",           "DOWN",          "INVENTORY",
                           "HINT",         "GO SOUTH",      "EXAMINE PATTERNS",
                           "ASK WISEMAN",  "LOOK AROUND",   "Submit",
                           "ENTER"})
    EXPECT_NE(help.find(word), std::string::npos) << word;
  EXPECT_EQ(std::string(content::kRedBookText).substr(0, 3), "\n  ");
  EXPECT_EQ(std::string(content::kWiseManText).substr(0, 3), "\n  ");
}

} // namespace
