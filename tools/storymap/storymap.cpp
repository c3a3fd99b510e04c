// Story map: prints the book's rooms and choices as a Graphviz DOT graph, straight from the tables.
#include <cstdio>
#include <string>

#include "content/tables.h"

namespace {

using content::kChoiceCount;
using content::kChoiceTable;
using content::kRoomCount;
using content::kRoomTable;
using content::TRoomRow;

constexpr int kStartRoom = 1;

struct TDirection {
  const char *name;
  uint16_t TRoomRow::*exit;
};

// Indexed by a choice's actionItem, as the game reads it.
constexpr TDirection kDirections[] = {
    {nullptr, nullptr},     {"North", &TRoomRow::n}, {"South", &TRoomRow::s},
    {"East", &TRoomRow::e}, {"West", &TRoomRow::w},  {"Up", &TRoomRow::u},
    {"Down", &TRoomRow::d},
};
constexpr int kDirectionCount = sizeof kDirections / sizeof kDirections[0];

const TRoomRow *Room(int id) {
  for (const TRoomRow &r : kRoomTable)
    if (r.id == id)
      return &r;
  return nullptr;
}

int ChoicesIn(int room) {
  int n = 0;
  for (const content::TChoiceRow &c : kChoiceTable)
    n += c.roomNum == room;
  return n;
}

bool HasNoExit(const TRoomRow &r) {
  return !r.n && !r.s && !r.e && !r.w && !r.u && !r.d;
}

// A losing room sends the reader back to the start: its one way out is north to room 1.
bool IsLosing(const TRoomRow &r) {
  return r.n == kStartRoom && !r.s && !r.e && !r.w && !r.u && !r.d;
}

bool IsEnding(const TRoomRow &r) {
  return HasNoExit(r) && ChoicesIn(r.id) == 0;
}

// Text inside a double-quoted DOT string.
std::string Quoted(const char *text) {
  std::string out = "\"";
  for (const char *p = text; *p; ++p) {
    if (*p == '"' || *p == '\\')
      out += '\\';
    out += *p;
  }
  return out + '"';
}

std::string Role(const TRoomRow &r) {
  if (r.id == kStartRoom)
    return "start";
  if (IsEnding(r))
    return "ending";
  if (IsLosing(r))
    return "lost, restart";
  int n = ChoicesIn(r.id);
  return n == 1 ? "read on" : std::to_string(n) + " choices";
}

void PrintRoom(const TRoomRow &r) {
  std::string style;
  if (r.id == kStartRoom)
    style = ", style=\"filled,bold\", penwidth=2.5, fillcolor=\"#bfe3b4\"";
  else if (IsEnding(r))
    style = ", style=\"filled,bold\", penwidth=2, fillcolor=\"#f7d57a\"";
  else if (IsLosing(r))
    style = ", style=filled, fillcolor=\"#f3bcbc\", color=\"#9a4a4a\"";
  std::string label = std::string(r.name) + "\\n" + Role(r);
  std::printf("  s%u [label=\"%s\"%s];\n", static_cast<unsigned>(r.id), label.c_str(),
              style.c_str());
}

} // namespace

int main() {
  for (const TRoomRow &r : kRoomTable)
    if (!Room(r.id) || Room(r.id) != &r) {
      std::fprintf(stderr, "storymap: room %u appears twice\n", static_cast<unsigned>(r.id));
      return 1;
    }

  std::printf(
      "// Qorvane story map, made by tools/storymap from the room and choice tables: do not "
      "edit.\n");
  std::printf("digraph qorvane {\n");
  std::printf("  graph [label=\"Qorvane: %zu sections, %zu choices\\ngreen: the start, gold: the "
              "endings, red: lost, back to the start (dashed)\", labelloc=t, fontsize=16, "
              "fontname=\"DejaVu Sans\", rankdir=TB, nodesep=0.3, ranksep=0.55];\n",
              kRoomCount, kChoiceCount);
  std::printf("  node [shape=box, style=rounded, fontname=\"DejaVu Sans\", fontsize=11];\n");
  std::printf("  edge [fontname=\"DejaVu Sans\", fontsize=9, color=\"#404040\"];\n");
  for (const TRoomRow &r : kRoomTable)
    PrintRoom(r);

  for (const content::TChoiceRow &c : kChoiceTable) {
    const TRoomRow *from = Room(c.roomNum);
    if (!from || c.actionItem < 1 || c.actionItem >= kDirectionCount) {
      std::fprintf(stderr, "storymap: choice %u has no room or no direction\n",
                   static_cast<unsigned>(c.id));
      return 1;
    }
    const TDirection &dir = kDirections[c.actionItem];
    const int to = from->*dir.exit;
    if (!Room(to)) {
      std::fprintf(stderr, "storymap: choice %u goes %s from room %u, where there is no exit\n",
                   static_cast<unsigned>(c.id), dir.name, static_cast<unsigned>(c.roomNum));
      return 1;
    }
    // Restarts are drawn faint, so the way through the story stands out.
    const char *style =
        IsLosing(*from) ? ", style=dashed, color=\"#a0a0a0\", fontcolor=\"#808080\"" : "";
    std::printf("  s%u -> s%d [label=\"%s\", tooltip=%s%s];\n", static_cast<unsigned>(c.roomNum),
                to, dir.name, Quoted(c.desc).c_str(), style);
  }
  std::printf("}\n");
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
