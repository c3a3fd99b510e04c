// The story manager: the choices each room offers, and story sections with numbered paths.
#pragma once

#include <cstdint>
#include <string>

#include "world/registry.h"

// One option of the book: a button label and what the button does.
struct TChoice : TRegistered<TChoice> {
  explicit TChoice(Key k) : TRegistered(k) {}
  uint16_t id = 0;
  std::string desc; // the button label
  uint16_t roomNum = 0;
  uint16_t actionItem = 0; // the button's category; 1-6 follow an exit of the room
  int32_t actionValue = 0; // the button's target
  uint8_t isActive = 0;    // only 1 is offered
};

// A page of story text with up to six paths to other sections.
struct TStorySection : TRegistered<TStorySection> {
  explicit TStorySection(Key k) : TRegistered(k) {}
  uint16_t id = 0;
  std::string desc;
  std::string imgFn; // never set
  uint16_t path1id = 0;
  std::string p1txt;
  uint16_t path2id = 0;
  std::string p2txt;
  uint16_t path3id = 0;
  std::string p3txt;
  uint16_t path4id = 0;
  std::string p4txt;
  uint16_t path5id = 0;
  std::string p5txt;
  uint16_t path6id = 0;
  std::string p6txt;
};

class TStoryMgr {
public:
  TStoryMgr();
  virtual ~TStoryMgr() = default;
  TStoryMgr(const TStoryMgr &) = delete;
  TStoryMgr &operator=(const TStoryMgr &) = delete;

  virtual int32_t addSection(uint16_t id, const std::string &desc, uint16_t path1id,
                             const std::string &p1txt, uint16_t path2id, const std::string &p2txt,
                             uint16_t path3id, const std::string &p3txt, uint16_t path4id,
                             const std::string &p4txt, uint16_t path5id, const std::string &p5txt,
                             uint16_t path6id, const std::string &p6txt);
  virtual int32_t addChoice(uint16_t id, const std::string &desc, uint16_t roomNum,
                            uint16_t actionItem, int32_t actionValue, uint8_t isActive);
  virtual int32_t GetChoices(uint16_t roomNum);
  virtual uint8_t ChangeSection(uint16_t code, uint16_t second);
  virtual int32_t DisplaySection(uint16_t id);

  TStorySection *SectionList = nullptr; // walk cursor over the sections
  TChoice *ChoiceList = nullptr;        // walk cursor over the choices
};

// The story manager. Set by StartGame() after the trigger manager, valid for the rest of the
// process; only the event thread touches it.
extern TStoryMgr *StoryMgr;
