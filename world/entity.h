// Entities in the rooms (objects, characters, the player) and the inventory of taken things.
#pragma once

#include <cstdint>
#include <string>

#include "world/registry.h"

// One line of the inventory: an item (the id of the entity taken) and how many.
struct t_inventory : TRegistered<t_inventory> {
  explicit t_inventory(Key k) : TRegistered(k) {}
  int32_t itemID = 0;
  int32_t qty = 0;
};

// A child reference; kept for later stories, nothing makes one yet.
struct t_childList : TRegistered<t_childList> {
  explicit t_childList(Key k) : TRegistered(k) {}
  int32_t entID = 0;
};

// Fields marked "carried" are kept for later stories: nothing reads or changes them yet.
struct t_entity : TRegistered<t_entity> {
  explicit t_entity(Key k) : TRegistered(k) {}
  int32_t id = 0;
  uint8_t category = 0;   // 2: a character (asked, alerted)
  uint8_t objectType = 0; // carried
  std::string name;       // shown in messages and labels; searched case-sensitively
  std::string mapFn;      // carried
  std::string imgFn;      // carried
  std::string desc;       // the examine text
  std::string location;   // where it stands, e.g. "floor"
  uint8_t canTake = 0;    // 1: can be taken
  uint8_t isAlerted = 0;  // non-zero: the character has noticed the player
  int32_t parentID = 0, planetID = 0, solarID = 0, cityID = 0;        // carried
  std::string status;                                                 // carried
  uint16_t roomNum = 0;                                               // 0: in no room (taken)
  uint16_t galCoord = 0, regCoord = 0, solCoord = 0, planetCoord = 0; // carried
  float xPos = 0.0f, yPos = 0.0f, zPos = 0.0f, direction = 0.0f;      // carried
  int32_t xStart = 0, yStart = 0, zStart = 0, tStart = 0, tDuration = 0, tEnd = 0; // carried
  float speed = 0.0f;                                                              // carried
  int32_t destX = 0, destZ = 0, ownerID = 0, teamID = 0, timerStart = 0;           // carried
  uint16_t prodMade = 0;                                                           // carried
  int32_t qtyProducedItems = 0, qtyResourceA = 0, qtyResourceB = 0;                // carried
  uint16_t nWorkers = 0;                                                           // carried
  int32_t productionTime = 0, productionTimer = 0;                                 // carried
  uint16_t prodLevel = 0;                                                          // carried
  uint8_t dispatched = 0;                                                          // carried
  int32_t closeObj = 0, fleetInstID = 0, transferQty = 0;                          // carried
  t_inventory *inventory = nullptr; // the inventory line last visited for this entity
  t_childList *childList = nullptr; // carried, always empty
  int32_t health = 0;               // carried
  uint16_t hp = 0, initiative = 0, defense = 0, damage = 0, attack = 0; // initiative is set
  int32_t weapon1ID = 0, weapon2ID = 0, armor1ID = 0, armor2ID = 0;     // carried
  int32_t imgNum = 0, gadgetNum = 0, txtgadget = 0;                     // carried
};

class t_EntityMgr {
public:
  t_EntityMgr();
  virtual ~t_EntityMgr() = default;
  t_EntityMgr(const t_EntityMgr &) = delete;
  t_EntityMgr &operator=(const t_EntityMgr &) = delete;

  virtual int32_t addEntity(int32_t id, const std::string &name, int32_t category, int32_t roomNum,
                            uint8_t canTake, const std::string &desc, const std::string &location,
                            int32_t initiative);
  virtual uint8_t isObjectInRm(const std::string &name, int32_t room);
  virtual std::string getObjectDesc(int32_t id);
  virtual std::string getHints(int32_t room);
  virtual uint8_t canTakeObject(const std::string &name, int32_t room);
  virtual uint8_t addInventory(int32_t entityId, int32_t itemId, int32_t qty);
  virtual uint8_t takeObject(int32_t objectId, int32_t room, int32_t takerId);
  virtual uint8_t dropItem(const std::string &name, int32_t room);
  virtual std::string showRoomEntities(int32_t room);
  virtual uint8_t hasItem(int32_t entityId, int32_t itemId);
  virtual uint8_t AskEntity(int32_t id);
  virtual uint16_t GetCategory(int32_t id);
  virtual int32_t setAlertness(int32_t id, uint8_t alerted);

  int32_t NumEntities = 0;        // kept, never counted
  t_entity *EntityList = nullptr; // walk cursor
};

// The entity manager. Set by StartGame() after the room manager, valid for the rest of the
// process; only the event thread touches it.
extern t_EntityMgr *EntityMgr;
