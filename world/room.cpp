// The room manager: builds the rooms, shows them, and moves the player through their exits.
#include "world/room.h"

#include "app/app.h"
#include "content/tables.h"
#include "window/window_mgr.h"
#include "world/entity.h"
#include "world/trigger.h"

t_RoomMgr *RoomMgr = nullptr;

namespace {
bool IsEnding(uint16_t room) {
  return room == 9 || room == 18 || room == 23;
}
} // namespace

std::string ClosingMessage() {
  return std::string("\n") + "Congratulations! You have completed the game. Thanks for playing!" +
         "\n\n" + "Visit " + content::kPublisherUrl + " for more games and information." + "\n\n" +
         "Game Over" + "\n";
}

t_RoomMgr::t_RoomMgr() {
  for (const content::TRoomRow &r : content::kRoomTable)
    addRoom(r.id, r.n, r.s, r.e, r.w, r.u, r.d, r.imgFn, r.name, r.desc);
}

int32_t t_RoomMgr::addRoom(uint16_t id, uint16_t n, uint16_t s, uint16_t e, uint16_t w, uint16_t u,
                           uint16_t d, const std::string &imgFn, const std::string &name,
                           const std::string &desc) {
  RoomList = t_room::New();
  RoomList->id = id;
  RoomList->n = n;
  RoomList->s = s;
  RoomList->e = e;
  RoomList->w = w;
  RoomList->u = u;
  RoomList->d = d;
  RoomList->imgFn = imgFn;
  RoomList->name = name;
  RoomList->desc = desc;
  return 0;
}

int32_t t_RoomMgr::displayRoom(const std::string &prefix, uint16_t room) {
  for (t_room *r : t_room::Walk()) {
    RoomList = r;
    if (r->id != static_cast<int32_t>(room))
      continue;
    WindowMgr->SetStoryArea(prefix + r->desc + EntityMgr->showRoomEntities(room));
    WindowMgr->ChangeStoryImage(r->imgFn);
    if (IsEnding(room))
      WindowMgr->AppendStoryArea(ClosingMessage());
    else
      App->displayWhatNow();
  }
  return 0;
}

int32_t t_RoomMgr::GetHints(uint16_t room) {
  for (t_room *r : t_room::Walk()) {
    RoomList = r;
    if (r->id != static_cast<int32_t>(room))
      continue;
    const struct {
      int32_t exit;
      uint16_t category;
      const char *label;
    } exits[] = {{r->n, 1, "Go North"}, {r->s, 2, "Go South"}, {r->e, 3, "Go East"},
                 {r->w, 4, "Go West"},  {r->u, 5, "Go Up"},    {r->d, 6, "Go Down"}};
    for (const auto &x : exits)
      if (x.exit != 0)
        WindowMgr->Window_Main_Create_Choice_Btn(x.category, x.exit, x.label);
  }
  return 0;
}

uint8_t t_RoomMgr::ChangeRoom(uint16_t direction) {
  for (t_room *r : t_room::Walk()) {
    RoomList = r;
    if (r->id != static_cast<int32_t>(App->currentRm))
      continue;
    int32_t exit = 0;
    switch (direction) {
    case 1: exit = r->n; break;
    case 2: exit = r->s; break;
    case 3: exit = r->e; break;
    case 4: exit = r->w; break;
    case 5: exit = r->u; break;
    case 6: exit = r->d; break;
    default: break;
    }
    if (exit == 0)
      continue;
    // The exit is read before the nested calls below, which walk the rooms again.
    const uint16_t destination = static_cast<uint16_t>(exit & 0xFFFF);
    if (direction == 1 || direction == 5) {
      WindowMgr->AppendStoryArea("\n\n");
      App->currentRm = destination;
      TriggerMgr->checkRoomEntrance(App->currentRm);
      displayRoom("", App->currentRm);
    } else {
      App->currentRm = destination;
      TriggerMgr->checkRoomEntrance(App->currentRm);
      displayRoom("\n\n", App->currentRm);
    }
    return 1;
  }
  return 0;
}

int32_t t_RoomMgr::EnablePathway(uint16_t room, uint16_t destination, int32_t kind) {
  for (t_room *r : t_room::Walk()) {
    RoomList = r;
    if (r->id == static_cast<int32_t>(room) && kind == 8)
      r->u = destination;
  }
  return 0;
}
