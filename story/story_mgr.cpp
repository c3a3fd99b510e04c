// The story manager: room choices offered as buttons, and story sections followed by path.
#include "story/story_mgr.h"

#include "app/app.h"
#include "content/tables.h"
#include "window/window_mgr.h"

TStoryMgr *StoryMgr = nullptr;

TStoryMgr::TStoryMgr() {
  for (const content::TSectionRow &r : content::kSectionTable)
    addSection(r.id, r.desc, r.path1id, r.p1txt, 0, "", 0, "", 0, "", 0, "", 0, "");
  for (const content::TChoiceRow &r : content::kChoiceTable)
    addChoice(r.id, r.desc, r.roomNum, r.actionItem, r.actionValue, r.isActive);
}

int32_t TStoryMgr::addSection(uint16_t id, const std::string &desc, uint16_t path1id,
                              const std::string &p1txt, uint16_t path2id, const std::string &p2txt,
                              uint16_t path3id, const std::string &p3txt, uint16_t path4id,
                              const std::string &p4txt, uint16_t path5id, const std::string &p5txt,
                              uint16_t path6id, const std::string &p6txt) {
  SectionList = TStorySection::New();
  TStorySection *s = SectionList;
  s->id = id;
  s->desc = desc;
  s->path1id = path1id;
  s->p1txt = p1txt;
  s->path2id = path2id;
  s->p2txt = p2txt;
  s->path3id = path3id;
  s->p3txt = p3txt;
  s->path4id = path4id;
  s->p4txt = p4txt;
  s->path5id = path5id;
  s->p5txt = p5txt;
  s->path6id = path6id;
  s->p6txt = p6txt;
  return 0;
}

int32_t TStoryMgr::addChoice(uint16_t id, const std::string &desc, uint16_t roomNum,
                             uint16_t actionItem, int32_t actionValue, uint8_t isActive) {
  ChoiceList = TChoice::New();
  ChoiceList->id = id;
  ChoiceList->desc = desc;
  ChoiceList->roomNum = roomNum;
  ChoiceList->actionItem = actionItem;
  ChoiceList->actionValue = actionValue;
  ChoiceList->isActive = isActive;
  return 0;
}

int32_t TStoryMgr::GetChoices(uint16_t roomNum) {
  for (TChoice *c : TChoice::Walk()) {
    ChoiceList = c;
    if (c->roomNum == roomNum && c->isActive == 1)
      WindowMgr->Window_Main_Create_Choice_Btn(c->actionItem, c->actionValue, c->desc);
  }
  return 0;
}

uint8_t TStoryMgr::ChangeSection(uint16_t code, uint16_t) {
  for (TStorySection *s : TStorySection::Walk()) {
    SectionList = s;
    if (s->id != App->currentSection)
      continue;
    uint16_t pathId = 0;
    const std::string *pathText = nullptr;
    switch (code) {
    case 12:
      pathId = s->path1id;
      pathText = &s->p1txt;
      break;
    case 13:
      pathId = s->path2id;
      pathText = &s->p2txt;
      break;
    case 14:
      pathId = s->path3id;
      pathText = &s->p3txt;
      break;
    case 15:
      pathId = s->path4id;
      pathText = &s->p4txt;
      break;
    default: break;
    }
    if (pathId == 0)
      continue;
    WindowMgr->AppendStoryArea("\n\nYou decide to " + *pathText + ". ");
    App->currentSection = pathId;
    DisplaySection(App->currentSection);
    return 1;
  }
  return 0;
}

int32_t TStoryMgr::DisplaySection(uint16_t id) {
  for (TStorySection *s : TStorySection::Walk()) {
    SectionList = s;
    if (s->id != id)
      continue;
    WindowMgr->AppendStoryArea(s->desc);
    App->displayWhatNow();
  }
  return 0;
}
