// Triggers: small numbered scripts fired on entering a room or by number.
#pragma once

#include <cstdint>
#include <string>

#include "world/registry.h"

struct TTrigger : TRegistered<TTrigger> {
  explicit TTrigger(Key k) : TRegistered(k) {}
  uint16_t id = 0;
  uint16_t roomNum = 0;  // read only for chain triggers
  uint16_t category = 0; // 1 show text, 8 open an up exit, 10 chain, 11 alert
  int32_t target = 0;
  int32_t targetValue = 0;
  uint8_t isEnabled = 0; // only 1 lets the trigger act
  std::string StoryText;
};

class TTriggerMgr {
public:
  TTriggerMgr();
  virtual ~TTriggerMgr() = default;
  TTriggerMgr(const TTriggerMgr &) = delete;
  TTriggerMgr &operator=(const TTriggerMgr &) = delete;

  virtual int32_t addTrigger(uint16_t id, uint16_t roomNum, uint16_t category, int32_t target,
                             int32_t targetValue, uint8_t isEnabled, const std::string &StoryText);
  virtual int32_t Activate(uint16_t number);
  virtual int32_t Disable(uint16_t number);
  virtual int32_t checkRoomEntrance(uint16_t room);

  TTrigger *triggerList = nullptr; // walk cursor
};

// The trigger manager. Set by StartGame() right after the window manager, valid for the rest of
// the process; only the event thread touches it.
extern TTriggerMgr *TriggerMgr;
