// The entity manager: listings, entity buttons, examine/ask/take, the inventory and alertness.
#include "world/entity.h"

#include "app/app.h"
#include "content/tables.h"
#include "window/window_mgr.h"
#include "world/trigger.h"

t_EntityMgr *EntityMgr = nullptr;

namespace {
// Room arguments are 32-bit; an entity's room is 16-bit, so values outside it match nothing.
bool InRoom(const t_entity *e, int32_t room) {
  return room >= 0 && room <= 0xFFFF && e->roomNum == static_cast<uint16_t>(room);
}
} // namespace

t_EntityMgr::t_EntityMgr() {
  for (const content::TEntityRow &r : content::kEntityTable)
    addEntity(r.id, r.name, r.category, r.roomNum, r.canTake, r.desc, r.location, r.initiative);
}

int32_t t_EntityMgr::addEntity(int32_t id, const std::string &name, int32_t category,
                               int32_t roomNum, uint8_t canTake, const std::string &desc,
                               const std::string &location, int32_t initiative) {
  EntityList = t_entity::New();
  EntityList->id = id;
  EntityList->name = name;
  EntityList->category = static_cast<uint8_t>(category & 0xFF);
  EntityList->roomNum = static_cast<uint16_t>(roomNum & 0xFFFF);
  EntityList->canTake = canTake;
  EntityList->desc = desc;
  EntityList->location = location;
  EntityList->initiative = static_cast<uint16_t>(initiative & 0xFFFF);
  return 0;
}

uint8_t t_EntityMgr::isObjectInRm(const std::string &name, int32_t room) {
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (e->name == name && InRoom(e, room))
      return 1;
  }
  return 0;
}

std::string t_EntityMgr::getObjectDesc(int32_t id) {
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (e->id == id)
      return "\n\nYou decide to examine the " + e->name + ".\n\n" + e->desc + "\n\n";
  }
  return std::string();
}

std::string t_EntityMgr::getHints(int32_t room) {
  std::string hints;
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (InRoom(e, room) && e->id != App->localPlayerID) {
      hints += " EXAMINE " + e->name + "\r";
      WindowMgr->Window_Main_Create_Choice_Btn(7, e->id, "Examine " + e->name);
      if (e->canTake == 1) {
        hints += " TAKE " + e->name + "\r";
        WindowMgr->Window_Main_Create_Choice_Btn(10, e->id, "Take " + e->name);
      }
      if (e->category == 2) {
        hints += " ASK " + e->name + "\r";
        WindowMgr->Window_Main_Create_Choice_Btn(8, e->id, "Ask " + e->name);
      }
    }
    if (e->id == App->localPlayerID && room == 9 && hasItem(App->localPlayerID, 6) == 1)
      WindowMgr->Window_Main_Create_Choice_Btn(11, 6, "Use Red Book");
    EntityList = e; // hasItem walked the entities too
  }
  return hints;
}

uint8_t t_EntityMgr::canTakeObject(const std::string &name, int32_t room) {
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (e->name == name && InRoom(e, room))
      return e->canTake;
  }
  return 0;
}

uint8_t t_EntityMgr::addInventory(int32_t entityId, int32_t itemId, int32_t qty) {
  uint8_t done = 0;
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (e->id != entityId)
      continue;
    for (t_inventory *line : t_inventory::Walk()) {
      e->inventory = line;
      if (done == 0 && line->itemID == itemId) {
        line->qty += qty;
        done = 1;
      }
    }
    if (done == 0) {
      e->inventory = t_inventory::New();
      e->inventory->itemID = itemId;
      e->inventory->qty = qty;
      done = 1;
    }
  }
  return done;
}

uint8_t t_EntityMgr::takeObject(int32_t objectId, int32_t room, int32_t takerId) {
  uint8_t result = 0;
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (!InRoom(e, room) || e->id != objectId || e->canTake != 1)
      continue;
    const uint16_t from = e->roomNum;
    e->roomNum = 0;
    result = addInventory(takerId, objectId, 1);
    EntityList = e;
    if (result == 1) {
      WindowMgr->AppendStoryArea("\nYou took the " + e->name + ".\n");
    } else {
      // Nobody could receive it: it stays where it was instead of vanishing from the world.
      e->roomNum = from;
      WindowMgr->AppendStoryArea("\nAttempting to take " + e->name + " failed.\n");
    }
  }
  return result;
}

uint8_t t_EntityMgr::dropItem(const std::string &, int32_t) {
  return 0;
}

std::string t_EntityMgr::showRoomEntities(int32_t room) {
  std::string text;
  bool listed = false;
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (!InRoom(e, room) || e->id == App->localPlayerID)
      continue;
    if (e->canTake != 0) {
      text += "There is a " + e->name + " on the " + e->location + ". ";
      listed = true;
    }
    if (e->category == 2) {
      text += "A " + e->name + " is " + e->location + ". The " + e->name +
              (e->isAlerted != 0 ? " is" : " is not") + " alerted to your presence.";
      listed = true;
    }
  }
  return text + (listed ? "\n\n" : "\n");
}

uint8_t t_EntityMgr::hasItem(int32_t entityId, int32_t itemId) {
  uint8_t found = 0;
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (e->id != entityId)
      continue;
    for (t_inventory *line : t_inventory::Walk()) {
      e->inventory = line;
      if (line->itemID == itemId)
        found = 1;
    }
  }
  return found;
}

uint8_t t_EntityMgr::AskEntity(int32_t id) {
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (e->id != id)
      continue;
    WindowMgr->AppendStoryArea("\n\nYou decided to talk with the " + e->name + ".");
    if (id == 14) {
      TriggerMgr->Activate(4);
      App->displayWhatNow();
    }
  }
  return 0;
}

uint16_t t_EntityMgr::GetCategory(int32_t id) {
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (e->id == id)
      return e->category;
  }
  return 0;
}

int32_t t_EntityMgr::setAlertness(int32_t id, uint8_t alerted) {
  for (t_entity *e : t_entity::Walk()) {
    EntityList = e;
    if (e->id == id)
      e->isAlerted = alerted;
  }
  return 0;
}
