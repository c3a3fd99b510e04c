// Rooms: numbered places with a passage, a picture and six exits, and the moves between them.
#pragma once

#include <cstdint>
#include <string>

#include "world/registry.h"

struct t_room : TRegistered<t_room> {
  explicit t_room(Key k) : TRegistered(k) {}
  int32_t id = 0;
  int32_t n = 0, s = 0, e = 0, w = 0;
  int32_t u = 0;  // the only exit a trigger can change
  uint16_t d = 0; // narrower than the other exits
  std::string imgFn;
  std::string desc;
  std::string name; // kept, never shown
};

class t_RoomMgr {
public:
  t_RoomMgr();
  virtual ~t_RoomMgr() = default;
  t_RoomMgr(const t_RoomMgr &) = delete;
  t_RoomMgr &operator=(const t_RoomMgr &) = delete;

  virtual int32_t addRoom(uint16_t id, uint16_t n, uint16_t s, uint16_t e, uint16_t w, uint16_t u,
                          uint16_t d, const std::string &imgFn, const std::string &name,
                          const std::string &desc);
  virtual int32_t displayRoom(const std::string &prefix, uint16_t room);
  virtual int32_t GetHints(uint16_t room);
  virtual uint8_t ChangeRoom(uint16_t direction);
  virtual int32_t EnablePathway(uint16_t room, uint16_t destination, int32_t kind);

  t_room *RoomList = nullptr; // walk cursor
  uint16_t numRooms = 0;      // kept, never counted
};

// The room manager. Set by StartGame() after the story manager, valid for the rest of the
// process; only the event thread touches it.
extern t_RoomMgr *RoomMgr;

// Appended instead of the prompt when an ending room is shown.
std::string ClosingMessage();
