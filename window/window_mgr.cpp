// The window manager: both layouts, story pane, illustration panel, choice column and dispatch.
#include "window/window_mgr.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_draw.H>
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/app.h"
#include "content/tables.h"
#include "story/story_mgr.h"
#include "window/desktop_opener.h"
#include "window/image_loader.h"
#include "world/entity.h"
#include "world/room.h"
#include "world/trigger.h"

TWindowMgr *WindowMgr = nullptr;

namespace {

constexpr int kPanelW = 384;
constexpr int kPanelH = 264;
constexpr int kBtnH = 28;
constexpr int kBtnStep = 30;
// A 10-point face on a 96-dpi screen: 10 * 96 / 72 = 13.3 pixels; FLTK sizes are pixels.
constexpr int kStoryFontPx = 13;
constexpr int kPureTextFontPx = 16; // 12 points at 96 dpi

// Every press of a push button goes to the application's event handler, exactly once.
void button_cb(Fl_Widget *w, void *) {
  TEvent event{TEvent::kGadgetAction, w};
  MainAPP::eventhook(0, &event, App);
}

// A close request from the title bar reaches the window callback as FL_CLOSE; Escape reaches
// it too, as a shortcut, and must not end the game.
void window_cb(Fl_Widget *w, void *) {
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape)
    return;
  TEvent event{TEvent::kCloseWindow, w};
  MainAPP::eventhook(0, &event, App);
}

// The game is played with the mouse alone: buttons ignore the keyboard (no Space, no Enter, no
// '&' shortcuts) and show '&' in a label as it is written.
class TGameButton : public Fl_Button {
public:
  TGameButton(int x, int y, int w, int h, const char *label) : Fl_Button(x, y, w, h) {
    copy_label(label);
    clear_flag(SHORTCUT_LABEL);
    clear_visible_focus();
    align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
    callback(button_cb);
  }
  // The book's longer options do not fit a 28-pixel button at the default size: the same face
  // goes down to 12 pixels if that keeps the label on one line, else to 10 pixels on two lines.
  void FitLabel() {
    const int innerW = w() - Fl::box_dw(box()) - 4;
    for (Fl_Fontsize size : {labelsize(), Fl_Fontsize(12)}) {
      fl_font(labelfont(), size);
      if (fl_width(label()) <= innerW) {
        labelsize(size);
        return;
      }
    }
    labelsize(10);
  }
  int handle(int event) override {
    switch (event) {
    case FL_KEYBOARD:
    case FL_KEYUP:
    case FL_SHORTCUT:
    case FL_FOCUS: return 0;
    default: return Fl_Button::handle(event);
    }
  }
};

// The read-only story pane: scrolls with the mouse, ignores the keyboard.
class TStoryPane : public Fl_Text_Display {
public:
  using Fl_Text_Display::Fl_Text_Display;
  int handle(int event) override {
    switch (event) {
    case FL_KEYBOARD:
    case FL_KEYUP:
    case FL_SHORTCUT: return 0;
    default: return Fl_Text_Display::handle(event);
    }
  }
};

// True when fontconfig really has this family (it silently substitutes otherwise).
bool FontFamilyInstalled(const char *family) {
  if (!FcInit())
    return false;
  FcPattern *pat = FcPatternCreate();
  FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family));
  FcObjectSet *os = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet *fs = FcFontList(nullptr, pat, os);
  bool found = fs && fs->nfont > 0;
  if (fs)
    FcFontSetDestroy(fs);
  FcObjectSetDestroy(os);
  FcPatternDestroy(pat);
  return found;
}

// Loads the first installed family of the list into FLTK's first free font slot; -1 if none.
int LoadFont(const char *const *families) {
  for (const char *const *f = families; *f; ++f) {
    if (FontFamilyInstalled(*f)) {
      static char name[128];
      // A leading blank asks FLTK for the plain (not bold, not italic) face.
      std::snprintf(name, sizeof name, " %s", *f);
      Fl::set_font(FL_FREE_FONT, name);
      return FL_FREE_FONT;
    }
  }
  return -1;
}

} // namespace

TWindowMgr::TWindowMgr() {
  ChoiceBtnNum = 0;
  ChoiceBtnMAX = 8;
  for (int i = 0; i < ChoiceBtnMAX; ++i)
    ActionDataList = TActionData::New();
}

TWindowMgr::~TWindowMgr() {
  delete mainWindow; // owns every widget in it
  delete panelImg_;  // StoryImg is either null or this same picture
  delete storyBuffer_;
}

int32_t TWindowMgr::Open_Window_Main_Choose() {
  mainWindow = new Fl_Double_Window(0, 0, 800, 600, kAppTitle);
  mainWindow->callback(window_cb);
  const int W = mainWindow->w(), H = mainWindow->h();

  storyBuffer_ = new Fl_Text_Buffer();
  storyText = new TStoryPane(4, 4, W / 2 - 4, H - 4);
  storyText->buffer(storyBuffer_);
  storyText->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);

  static const char *const kStoryFamilies[] = {"Tahoma",    "DejaVu Sans", "Liberation Sans",
                                               "Noto Sans", "FreeSans",    nullptr};
  font = LoadFont(kStoryFamilies);
  if (font >= 0) {
    fontSize = kStoryFontPx;
    storyText->textfont(font);
    storyText->textsize(fontSize);
  }

  StoryImgPanel = new Fl_Box(W - W / 2 + 4, 4, kPanelW, kPanelH);
  StoryImgPanel->box(FL_NO_BOX);
  StoryImgPanel->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);

  const int half = StoryImgPanel->w() / 2;
  VisitURLBtn = new TGameButton(W / 2 + 4, H / 2 + 244, half, kBtnH, kVisitUrlLabel);
  InstructionBtn = new TGameButton(W / 2 + 4 + half, H / 2 + 244, half, kBtnH, "Instructions");

  mainWindow->end();
  mainWindow->show();
  Fl::focus(mainWindow);
  return 0;
}

int32_t TWindowMgr::Open_Window_Main_PureText() {
  mainWindow = new Fl_Double_Window(0, 0, 800, 670, kAppTitle);
  mainWindow->callback(window_cb);
  const int W = mainWindow->w();

  storyBuffer_ = new Fl_Text_Buffer();
  storyText = new TStoryPane(0, 0, W, 600);
  storyText->buffer(storyBuffer_);
  storyText->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
  UserInputText = new Fl_Input(0, 610, 652, 30);
  SubmitBtn = new TGameButton(672, 610, 65, 30, "Submit");

  static const char *const kPureFamilies[] = {"Times",      "DejaVu Serif", "Liberation Serif",
                                              "Noto Serif", "FreeSerif",    nullptr};
  font = LoadFont(kPureFamilies);
  if (font >= 0) {
    fontSize = kPureTextFontPx;
    storyText->textfont(font);
    storyText->textsize(fontSize);
    UserInputText->textfont(font);
    UserInputText->textsize(fontSize);
    SubmitBtn->labelfont(font);
    SubmitBtn->labelsize(fontSize);
  }
  mainWindow->end();
  mainWindow->show();
  Fl::focus(mainWindow);
  UserInputText->take_focus();
  return 0;
}

void TWindowMgr::ShowTopOfStory() {
  storyBuffer_->unselect();
  storyText->insert_position(0);
  // Replacing or appending text keeps the old scroll position: go back to the first line.
  storyText->scroll(1, 0);
}

// Like the buffer, a held text ends at its first NUL.
int32_t TWindowMgr::SetStoryArea(const std::string &text) {
  if (storyHolds_ > 0) {
    heldStory_.assign(text.c_str());
    storyHeld_ = true;
    return 0;
  }
  storyBuffer_->text(text.c_str());
  ShowTopOfStory();
  return 0;
}

int32_t TWindowMgr::AppendStoryArea(const std::string &text) {
  if (storyHolds_ > 0) {
    if (!storyHeld_) {
      char *shown = storyBuffer_->text();
      heldStory_.assign(shown);
      std::free(shown);
      storyHeld_ = true;
    }
    heldStory_.append(text.c_str());
    return 0;
  }
  storyBuffer_->append(text.c_str());
  ShowTopOfStory();
  return 0;
}

void TWindowMgr::HoldStory() {
  ++storyHolds_;
}

void TWindowMgr::ReleaseStory() {
  if (storyHolds_ == 0 || --storyHolds_ > 0 || !storyHeld_)
    return;
  storyHeld_ = false;
  storyBuffer_->text(heldStory_.c_str());
  heldStory_.clear();
  ShowTopOfStory();
}

int32_t TWindowMgr::ChangeStoryImage(const std::string &path) {
  picture::TRgb decoded;
  Fl_RGB_Image *loaded = nullptr;
  if (StoryImgPanel && picture::DecodeJpegFile(path, decoded, kPanelW, kPanelH)) {
    picture::TRgb fitted = picture::CoverFit(decoded, kPanelW, kPanelH);
    uchar *pixels = new uchar[fitted.px.size()];
    std::memcpy(pixels, fitted.px.data(), fitted.px.size());
    loaded = new Fl_RGB_Image(pixels, fitted.w, fitted.h, 3);
    loaded->alloc_array = 1;
  }
  StoryImg = loaded;
  if (loaded) {
    StoryImgPanel->image(loaded);
    if (panelImg_ != loaded)
      delete panelImg_;
    panelImg_ = loaded;
    StoryImgPanel->redraw();
    return 0;
  }
  // The panel keeps the picture it was showing.
  std::fputs("Unable to load image.\n", stdout);
  struct stat st;
  if (stat("data/media/img/lake-tahoe384.jpg", &st) != 0)
    std::fputs("File doesn't exist \n", stdout);
  return 0;
}

int TWindowMgr::FreePlace() const {
  // The lowest place in the column that no remaining button occupies.
  bool taken[256] = {};
  const int top = mainWindow->h() / 2 + 4;
  for (TActionData *slot : TActionData::Walk()) {
    if (slot->btnGadgetID) {
      int place = (slot->btnGadgetID->y() - top) / kBtnStep;
      if (place >= 0 && place < 256)
        taken[place] = true;
    }
  }
  int place = 0;
  while (place < 255 && taken[place])
    ++place;
  return place;
}

uint8_t TWindowMgr::Window_Main_Create_Choice_Btn(uint16_t category, int32_t target,
                                                  const std::string &label) {
  if (ChoiceBtnNum >= ChoiceBtnMAX || !mainWindow || !StoryImgPanel)
    return 255;
  for (TActionData *slot : TActionData::Walk()) {
    ActionDataList = slot;
    if (slot->btnGadgetID)
      continue;
    const int W = mainWindow->w(), H = mainWindow->h();
    const int place = FreePlace();
    mainWindow->begin();
    TGameButton *b = new TGameButton(W / 2 + 4, H / 2 + kBtnStep * place + 4, StoryImgPanel->w(),
                                     kBtnH, label.c_str());
    mainWindow->end();
    b->FitLabel();
    b->redraw();
    slot->btnGadgetID = b;
    slot->category = category;
    slot->target = target;
    return ++ChoiceBtnNum;
  }
  return 255;
}

namespace {
// The pressed button may be the one removed, still inside its own callback: take it out of
// the window now and let FLTK delete it once the event is over.
void RemoveButton(Fl_Window *win, Fl_Button *b) {
  b->hide();
  if (win) {
    win->remove(b);
    win->redraw();
  }
  Fl::delete_widget(b);
}
} // namespace

int32_t TWindowMgr::Window_Main_Clear_Choice_Btns() {
  for (TActionData *slot : TActionData::Walk()) {
    ActionDataList = slot;
    if (slot->btnGadgetID) {
      RemoveButton(mainWindow, slot->btnGadgetID);
      slot->btnGadgetID = nullptr;
    }
  }
  ChoiceBtnNum = 0;
  return 0;
}

int32_t TWindowMgr::ActionBtnDelete(Fl_Widget *button) {
  bool found = false;
  for (TActionData *slot : TActionData::Walk()) {
    ActionDataList = slot;
    if (button && slot->btnGadgetID == button) {
      RemoveButton(mainWindow, slot->btnGadgetID);
      slot->btnGadgetID = nullptr;
      found = true;
    }
  }
  if (found && ChoiceBtnNum > 0)
    --ChoiceBtnNum;
  return 0;
}

int32_t TWindowMgr::CheckBtnClick(Fl_Widget *source) {
  // A move sets the pane's text and appends to it up to three times: lay it out once.
  struct THold {
    TWindowMgr *mgr;
    explicit THold(TWindowMgr *m) : mgr(m) { mgr->HoldStory(); }
    ~THold() { mgr->ReleaseStory(); }
  } hold(this);
  if (source && source == VisitURLBtn)
    desktop::Open(content::kPublisherUrl);
  if (source && source == InstructionBtn)
    desktop::Open(content::kReadmeDocument);
  if (ChoiceBtnNum == 0 || !source)
    return 0;
  for (TActionData *slot : TActionData::Walk()) {
    ActionDataList = slot;
    if (slot->btnGadgetID != source)
      continue;
    const uint16_t category = slot->category;
    const int32_t target = slot->target;
    switch (category) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
      if (RoomMgr->ChangeRoom(category) == 1) {
        Window_Main_Clear_Choice_Btns();
        EntityMgr->getHints(App->currentRm);
        StoryMgr->GetChoices(App->currentRm);
      }
      break;
    case 7: {
      std::string text = EntityMgr->getObjectDesc(target);
      if (!text.empty()) {
        AppendStoryArea(text);
        App->displayWhatNow();
      }
      break;
    }
    case 8: EntityMgr->AskEntity(target); break;
    case 10:
      if (EntityMgr->takeObject(target, App->currentRm, App->localPlayerID) == 1)
        ActionBtnDelete(slot->btnGadgetID);
      break;
    case 11:
      if (App->currentRm == 9 && target == 6) {
        TriggerMgr->Activate(2);
        TriggerMgr->Disable(2);
        TriggerMgr->Activate(3);
        TriggerMgr->Disable(3);
        Window_Main_Create_Choice_Btn(5, 10, "Go Up");
      }
      break;
    default: break;
    }
  }
  return 0;
}
