// The game's one window: story pane, illustration panel, fixed buttons and the choice column.
#pragma once

#include <cstdint>
#include <string>

#include "world/registry.h"

class Fl_Box;
class Fl_Button;
class Fl_Input;
class Fl_RGB_Image;
class Fl_Text_Buffer;
class Fl_Text_Display;
class Fl_Widget;
class Fl_Window;

// One place in the choice column: the button shown there and what pressing it does.
struct TActionData : TRegistered<TActionData> {
  explicit TActionData(Key k) : TRegistered(k) {}
  uint16_t id = 0;       // never assigned or read
  uint16_t category = 0; // what a press does: 1-6 move, 7 examine, 8 ask, 10 take, 11 use
  int32_t target = 0;    // entity id (7, 8, 10) or item id (11)
  Fl_Button *btnGadgetID = nullptr; // the button in this slot, or null when the slot is free
};

class TWindowMgr {
public:
  TWindowMgr();
  virtual ~TWindowMgr();
  TWindowMgr(const TWindowMgr &) = delete;
  TWindowMgr &operator=(const TWindowMgr &) = delete;

  virtual int32_t Open_Window_Main_Choose();
  virtual int32_t SetStoryArea(const std::string &text);
  virtual int32_t AppendStoryArea(const std::string &text);
  virtual int32_t Open_Window_Main_PureText();
  virtual uint8_t Window_Main_Create_Choice_Btn(uint16_t category, int32_t target,
                                                const std::string &label);
  virtual int32_t Window_Main_Clear_Choice_Btns();
  virtual int32_t ActionBtnDelete(Fl_Widget *button);
  virtual int32_t ChangeStoryImage(const std::string &path);
  virtual int32_t CheckBtnClick(Fl_Widget *source);
  // Story-pane changes made while a hold is on reach the pane together when the last hold is
  // released: one layout of the text instead of one per change. The pane ends up exactly as
  // without the hold; nothing is drawn in between anyway.
  void HoldStory();
  void ReleaseStory();

  Fl_Window *mainWindow = nullptr;
  Fl_Widget *mainCanvas = nullptr; // never created
  Fl_Text_Display *storyText = nullptr;
  Fl_Input *UserInputText = nullptr;
  Fl_Button *InstructionBtn = nullptr;
  Fl_Button *VisitURLBtn = nullptr;
  Fl_Button *SubmitBtn = nullptr;
  TActionData *ActionDataList = nullptr; // walk cursor over the button slots
  uint8_t ChoiceBtnNum = 0;
  uint8_t ChoiceBtnMAX = 0;
  int font = -1; // the story pane's FLTK font index, or -1 when none was loaded
  int fontSize = 0;
  Fl_RGB_Image *StoryImg = nullptr; // the picture last loaded, fitted to the panel
  Fl_Box *StoryImgPanel = nullptr;

private:
  Fl_Text_Buffer *storyBuffer_ = nullptr;
  Fl_RGB_Image *panelImg_ = nullptr; // what the panel shows; survives a failed load
  int storyHolds_ = 0;
  bool storyHeld_ = false; // heldStory_ is the pane's text, waiting for the release
  std::string heldStory_;
  void ShowTopOfStory();
  int FreePlace() const;
};

// The window manager. Set by StartGame() before any other singleton and valid for the rest of
// the process; only the event thread touches it.
extern TWindowMgr *WindowMgr;

// The title of the game and of its window.
inline constexpr char kAppTitle[] = "Qorvane, v1.0";
// The web-site button's label.
inline constexpr char kVisitUrlLabel[] = "Visit our web site";
