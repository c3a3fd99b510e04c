// Start-up order, the application object and the event handler.
#include "app/app.h"

#include <FL/Fl.H>

#include <cassert>
#include <cstdio>
#include <cstdlib>

#include "content/book_texts.h"
#include "story/story_mgr.h"
#include "window/window_mgr.h"
#include "world/entity.h"
#include "world/room.h"
#include "world/trigger.h"

MainAPP *App = nullptr;

namespace {
const char *gStartupOrder[7] = {};
int gStartupCount = 0;

template <class T> T *Create(const char *name) {
  T *made = new T();
  gStartupOrder[gStartupCount++] = name;
  return made;
}
} // namespace

const char *const *StartupOrder() {
  return gStartupOrder;
}

MainAPP::MainAPP() {
  localPlayerID = 1;
  assert(WindowMgr && TriggerMgr && StoryMgr && RoomMgr && EntityMgr &&
         "App must be created after the window manager and the four content managers");
  currentRm = 1;
  currentSection = 1;
  basicHelp = content::kBasicHelp;
  storyIntro = content::kStoryIntro;
  WindowMgr->Open_Window_Main_Choose();
}

int32_t MainAPP::Init() {
  const std::string prefix = std::string(kAppTitle) + storyIntro;
  // The first room's text is set and then appended to: the pane lays it out once, at the end.
  WindowMgr->HoldStory();
  TriggerMgr->checkRoomEntrance(currentRm);
  StoryMgr->GetChoices(currentRm);
  RoomMgr->displayRoom(prefix, currentRm);
  EntityMgr->getHints(currentRm);
  WindowMgr->ReleaseStory();
  return 0;
}

void *MainAPP::eventhook(int32_t, void *data, void *context) {
  if (data && context)
    static_cast<MainAPP *>(context)->OnEvent(*static_cast<const TEvent *>(data));
  return nullptr;
}

int32_t MainAPP::displayWhatNow() {
  WindowMgr->AppendStoryArea(kWhatNowPrompt);
  return 0;
}

int32_t MainAPP::OnEvent(const TEvent &event) {
  switch (event.id) {
  case TEvent::kCloseWindow:
    // No confirmation and no clean-up; only make sure no diagnostic line is lost in a pipe.
    std::fflush(stdout);
    std::_Exit(0);
  case TEvent::kGadgetAction: WindowMgr->CheckBtnClick(event.source); break;
  default: break;
  }
  return 0;
}

void StartGame() {
  // The toolkit needs no set-up of its own: the X display opens with the first window.
  // Every registry exists, empty, before the first singleton.
  (void)TTrigger::Count();
  (void)TActionData::Count();
  (void)t_inventory::Count();
  (void)t_childList::Count();
  (void)t_entity::Count();
  (void)TChoice::Count();
  (void)TStorySection::Count();
  (void)t_room::Count();
  assert(!WindowMgr && !App && "StartGame() runs once per process");
  WindowMgr = Create<TWindowMgr>("WindowMgr");
  TriggerMgr = Create<TTriggerMgr>("TriggerMgr");
  StoryMgr = Create<TStoryMgr>("StoryMgr");
  RoomMgr = Create<t_RoomMgr>("RoomMgr");
  EntityMgr = Create<t_EntityMgr>("EntityMgr");
  App = Create<MainAPP>("App");
  App->Init();
}

void RunGame() {
  for (;;)
    Fl::wait();
}
