// The small tables: the six triggers, the one entity (the player) and the two story sections.
#include "content/book_texts.h"
#include "content/tables.h"

namespace content {

// clang-format off
// id, room, category (1 text, 8 pathway, 10 chain, 11 alert), target, value, enabled, text
constexpr TTriggerRow kTriggerTable[kTriggerCount] = {
    {1, 1,  1,  0, 0, 1, ""},
    {2, 1, 10,  1, 1, 1, ""},
    {3, 9,  1,  1, 0, 1, kRedBookText},
    {4, 6,  1, 14, 0, 1, kWiseManText},
    {5, 6, 10,  6, 1, 1, ""},
    {6, 6, 11, 14, 1, 1, ""},
};

// id, name, category, room, can take, description, location, initiative
constexpr TEntityRow kEntityTable[kEntityCount] = {
    {1, "Player", 2, 8, 0, kPlayerDesc, "floor", 11},
};

// id, text, path 1 leads to, path 1 text (paths 2 to 6 are empty)
constexpr TSectionRow kSectionTable[kSectionCount] = {
    {1, "This is the first section.\n\n", 2, "Go to section 2"},
    {2, "This section two. All section narrative text goes here.\n\n", 1, "Go to first section"},
};
// clang-format on

static_assert(kTriggerTable[kTriggerCount - 1].id == kTriggerCount, "six triggers, 1 to 6");
static_assert(kEntityTable[0].id == 1, "entity 1 is the player");
static_assert(kSectionTable[kSectionCount - 1].id == kSectionCount, "two sections, 1 and 2");

} // namespace content
