// The trigger manager: fires chain triggers on room entry and triggers by number.
#include "world/trigger.h"

#include "content/tables.h"
#include "window/window_mgr.h"
#include "world/entity.h"
#include "world/room.h"

TTriggerMgr *TriggerMgr = nullptr;

TTriggerMgr::TTriggerMgr() {
  for (const content::TTriggerRow &r : content::kTriggerTable)
    addTrigger(r.id, r.roomNum, r.category, r.target, r.targetValue, r.isEnabled, r.StoryText);
}

int32_t TTriggerMgr::addTrigger(uint16_t id, uint16_t roomNum, uint16_t category, int32_t target,
                                int32_t targetValue, uint8_t isEnabled,
                                const std::string &StoryText) {
  triggerList = TTrigger::New();
  triggerList->id = id;
  triggerList->roomNum = roomNum;
  triggerList->category = category;
  triggerList->target = target;
  triggerList->targetValue = targetValue;
  triggerList->isEnabled = isEnabled;
  triggerList->StoryText = StoryText;
  return 0;
}

int32_t TTriggerMgr::Activate(uint16_t number) {
  for (TTrigger *t : TTrigger::Walk()) {
    triggerList = t;
    if (t->id != number || t->isEnabled != 1)
      continue;
    switch (t->category) {
    case 1: WindowMgr->AppendStoryArea(t->StoryText); break;
    case 8:
      RoomMgr->EnablePathway(static_cast<uint16_t>(t->target & 0xFFFF),
                             static_cast<uint16_t>(t->targetValue & 0xFFFF), 8);
      break;
    case 10:
      // Disabled before going deeper, so every chain ends: a chain can only reach triggers
      // that are still enabled, and each level switches one more off.
      t->isEnabled = 0;
      Activate(static_cast<uint16_t>(t->target & 0xFFFF));
      break;
    case 11: EntityMgr->setAlertness(t->target, static_cast<uint8_t>(t->targetValue & 0xFF)); break;
    default: break;
    }
    triggerList = t;
  }
  return 0;
}

int32_t TTriggerMgr::Disable(uint16_t number) {
  for (TTrigger *t : TTrigger::Walk()) {
    triggerList = t;
    if (t->id == number)
      t->isEnabled = 0;
  }
  return 0;
}

int32_t TTriggerMgr::checkRoomEntrance(uint16_t room) {
  for (TTrigger *t : TTrigger::Walk()) {
    triggerList = t;
    if (t->roomNum != room || t->isEnabled != 1 || t->category != 10)
      continue;
    Activate(t->id);
    triggerList = t;
    Disable(t->id);
    triggerList = t;
  }
  return 0;
}
