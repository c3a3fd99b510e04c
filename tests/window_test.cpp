// The window under Xvfb: start-up, layout, story pane, pictures, the choice column and keys.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <X11/keysym.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <fstream>

#include "app/app.h"
#include "story/story_mgr.h"
#include "tests/support.h"
#include "window/window_mgr.h"

using namespace qtest;

namespace {

class WindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(chdir(QORVANE_SOURCE_DIR), 0);
    StartGameAndShow();
  }
};

struct TRect {
  int x, y, w, h;
};

void ExpectRect(const Fl_Widget *w, TRect r, const char *what) {
  ASSERT_NE(w, nullptr) << what;
  EXPECT_EQ(w->x(), r.x) << what;
  EXPECT_EQ(w->y(), r.y) << what;
  EXPECT_EQ(w->w(), r.w) << what;
  EXPECT_EQ(w->h(), r.h) << what;
}

TEST_F(WindowTest, StartupBuildsTheChoiceLayoutInOrder) {
  const char *const *order = StartupOrder();
  const char *expected[] = {"WindowMgr", "TriggerMgr", "StoryMgr", "RoomMgr", "EntityMgr", "App"};
  for (int i = 0; i < 6; ++i)
    EXPECT_STREQ(order[i], expected[i]) << "singleton " << i;

  Fl_Window *win = WindowMgr->mainWindow;
  EXPECT_STREQ(win->label(), "Qorvane, v1.0");
  EXPECT_EQ(win->w(), 800);
  EXPECT_EQ(win->h(), 600);
  EXPECT_EQ(win->resizable(), nullptr) << "the window must not be resizable";
  ExpectRect(WindowMgr->storyText, {4, 4, 396, 596}, "story pane");
  ExpectRect(WindowMgr->StoryImgPanel, {404, 4, 384, 264}, "illustration panel");
  ExpectRect(WindowMgr->VisitURLBtn, {404, 544, 192, 28}, "web-site button");
  ExpectRect(WindowMgr->InstructionBtn, {596, 544, 192, 28}, "Instructions button");
  EXPECT_STREQ(WindowMgr->InstructionBtn->label(), "Instructions");
  EXPECT_EQ(WindowMgr->mainCanvas, nullptr);
  EXPECT_EQ(WindowMgr->UserInputText, nullptr) << "the choice layout offers no place to type";
  EXPECT_EQ(WindowMgr->SubmitBtn, nullptr);

  // App's shared state, and no timer ticking in the background.
  EXPECT_EQ(App->currentRm, 1);
  EXPECT_EQ(App->currentSection, 1);
  EXPECT_EQ(App->localPlayerID, 1);
  EXPECT_EQ(App->timer, nullptr);
  EXPECT_EQ(App->storyIntro.substr(0, 2), "\n\n");
  EXPECT_NE(App->basicHelp.find("BASIC INSTRUCTIONS"), std::string::npos);
  EXPECT_EQ(PaneText().find(App->basicHelp), std::string::npos) << "the help is never shown";
}

TEST_F(WindowTest, StoryPaneUsesAnInstalledSansFaceAtTenPoints) {
  ASSERT_GE(WindowMgr->font, 0) << "no sans family found on this machine";
  EXPECT_EQ(WindowMgr->storyText->textfont(), WindowMgr->font);
  EXPECT_EQ(WindowMgr->storyText->textsize(), 13) << "10 pt at 96 dpi is 13 px";
  std::string face = Fl::get_font_name(static_cast<Fl_Font>(WindowMgr->font));
  EXPECT_TRUE(face == "Tahoma" || face == "DejaVu Sans" || face == "Liberation Sans" ||
              face == "Noto Sans" || face == "FreeSans")
      << face;
  // Buttons keep the toolkit's default font.
  EXPECT_EQ(WindowMgr->InstructionBtn->labelfont(), FL_HELVETICA);
  EXPECT_EQ(ChoiceButtons().at(0)->labelfont(), FL_HELVETICA);
}

TEST_F(WindowTest, SetAndAppendJoinTextsAndShowTheTop) {
  std::string longText;
  for (int i = 0; i < 200; ++i)
    longText += "  Line " + std::to_string(i) + " of a long passage.\n";
  WindowMgr->SetStoryArea(longText);
  WindowMgr->AppendStoryArea("A");
  WindowMgr->AppendStoryArea("B");
  EXPECT_EQ(PaneText(), longText + "AB") << "appends add no separators";
  EXPECT_EQ(PaneTopLine(), 1);

  ScrollPaneDown(120);
  ASSERT_GT(PaneTopLine(), 50) << "the pane did not scroll down";
  WindowMgr->AppendStoryArea("C");
  EXPECT_EQ(PaneTopLine(), 1) << "append must scroll back to the top";

  ScrollPaneDown(120);
  WindowMgr->SetStoryArea(longText);
  EXPECT_EQ(PaneTopLine(), 1) << "set must scroll back to the top";
  EXPECT_EQ(WindowMgr->storyText->insert_position(), 0);
}

// A smooth test card: red grows left to right, green top to bottom.
int gCardW = 0, gCardH = 0;
void Card(int x, int y, unsigned char rgb[3]) {
  rgb[0] = static_cast<unsigned char>(std::lround(255.0 * x / (gCardW - 1)));
  rgb[1] = static_cast<unsigned char>(std::lround(255.0 * y / (gCardH - 1)));
  rgb[2] = 90;
}

TEST_F(WindowTest, CoverFittingShowsThePictureMiddle) {
  struct TCase {
    const char *what;
    int w, h;
  } cases[] = {
      {"exact", 384, 264},
      {"taller", 384, 300},
      {"wider", 500, 264},
      {"smaller", 192, 264},
      {"small both ways", 100, 50},
      {"much larger", 3072, 2112},
      {"large and tall", 1200, 4000},
  };
  TTempDir dir;
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.what);
    gCardW = c.w;
    gCardH = c.h;
    std::string path = dir.Path() + "/card.jpg";
    WriteJpeg(path, c.w, c.h, Card);
    WindowMgr->ChangeStoryImage(path);
    ASSERT_NE(WindowMgr->StoryImg, nullptr);
    std::vector<unsigned char> px = ReadWindowPixels(404, 4, 384, 264);

    const double scale = std::max(384.0 / c.w, 264.0 / c.h);
    const double ox = (c.w * scale - 384) / 2, oy = (c.h * scale - 264) / 2;
    int worst = 0;
    for (int py = 0; py < 264; py += 7) {
      for (int px_ = 0; px_ < 384; px_ += 11) {
        // Centre of the panel pixel, in source pixels.
        double sx = (px_ + ox + 0.5) / scale - 0.5, sy = (py + oy + 0.5) / scale - 0.5;
        sx = std::min<double>(std::max(sx, 0.0), c.w - 1);
        sy = std::min<double>(std::max(sy, 0.0), c.h - 1);
        const unsigned char *p = &px[(static_cast<size_t>(py) * 384 + px_) * 3];
        int dr = std::abs(p[0] - static_cast<int>(std::lround(255.0 * sx / (c.w - 1))));
        int dg = std::abs(p[1] - static_cast<int>(std::lround(255.0 * sy / (c.h - 1))));
        worst = std::max({worst, dr, dg});
      }
    }
    EXPECT_LE(worst, 4) << "panel pixels differ from the picture's middle";
  }
}

void Checker(int x, int y, unsigned char rgb[3]) {
  unsigned char v = ((x + y) & 1) ? 255 : 0;
  rgb[0] = rgb[1] = rgb[2] = v;
}

TEST_F(WindowTest, ShrinkingAveragesInsteadOfAliasing) {
  TTempDir dir;
  for (int factor : {3, 4}) {
    SCOPED_TRACE(factor);
    std::string path = dir.Path() + "/checker.jpg";
    WriteJpeg(path, 384 * factor, 264 * factor, Checker);
    WindowMgr->ChangeStoryImage(path);
    std::vector<unsigned char> px = ReadWindowPixels(404, 4, 384, 264);
    int outliers = 0;
    for (size_t i = 0; i < px.size(); i += 3)
      if (std::abs(px[i] - 128) > 24)
        ++outliers;
    EXPECT_EQ(outliers, 0) << "a fine checkerboard must shrink to an even grey";
  }
}

long MaxRssKb() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return ru.ru_maxrss;
}

// A valid 16x16 JPEG whose frame header is patched to claim another size.
std::string JpegClaimingSize(const std::string &dir, int w, int h) {
  gCardW = gCardH = 16;
  std::string path = dir + "/claim.jpg";
  WriteJpeg(path, 16, 16, Card);
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (size_t i = 0; i + 8 < bytes.size(); ++i) {
    if (static_cast<unsigned char>(bytes[i]) == 0xFF &&
        static_cast<unsigned char>(bytes[i + 1]) == 0xC0) {
      bytes[i + 5] = static_cast<char>(h >> 8);
      bytes[i + 6] = static_cast<char>(h & 0xFF);
      bytes[i + 7] = static_cast<char>(w >> 8);
      bytes[i + 8] = static_cast<char>(w & 0xFF);
      break;
    }
  }
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string Slurp(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST_F(WindowTest, BadPicturesFailAndKeepTheOldOne) {
  TTempDir dir;
  const std::string good = dir.Path() + "/good.jpg";
  gCardW = 384;
  gCardH = 264;
  WriteJpeg(good, 384, 264, Card);
  const std::string goodBytes = Slurp(good);

  auto write = [&](const std::string &name, const std::string &bytes) {
    std::string p = dir.Path() + "/" + name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  };
  std::string corrupt = goodBytes;
  for (size_t i = corrupt.size() / 2; i < corrupt.size() / 2 + 64; ++i)
    corrupt[i] = static_cast<char>(0xFF ^ i);
  mkdir((dir.Path() + "/folder.jpg").c_str(), 0755);

  struct TCase {
    const char *what;
    std::string path;
  } cases[] = {
      {"missing file", dir.Path() + "/nothing-here.jpg"},
      {"zero bytes", write("empty.jpg", "")},
      {"text", write("text.jpg", "this is not a picture\n")},
      {"truncated", write("half.jpg", goodBytes.substr(0, goodBytes.size() / 2))},
      {"only the header", write("head.jpg", goodBytes.substr(0, 200))},
      {"corrupt scan data", write("corrupt.jpg", corrupt)},
      {"a directory", dir.Path() + "/folder.jpg"},
      {"claims 40000x40000", JpegClaimingSize(dir.Path(), 40000, 40000)},
      {"claims 20000x20000", JpegClaimingSize(dir.Path(), 20000, 20000)},
      {"side over 8192", JpegClaimingSize(dir.Path(), 8193, 16)},
      {"over 16 megapixels", JpegClaimingSize(dir.Path(), 5000, 5000)},
      {"zero width", JpegClaimingSize(dir.Path(), 0, 16)},
  };

  // Outside the game folder, so the fallback picture is missing too.
  ASSERT_EQ(chdir(dir.Path().c_str()), 0);
  WindowMgr->ChangeStoryImage(good);
  Fl_Image *shown = WindowMgr->StoryImgPanel->image();
  ASSERT_NE(shown, nullptr);
  const std::vector<unsigned char> before = ReadWindowPixels(404, 4, 384, 264);
  const long rssBefore = MaxRssKb();
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.what);
    std::string out;
    {
      TStdoutCapture capture;
      WindowMgr->ChangeStoryImage(c.path);
      out = capture.Text();
    }
    EXPECT_EQ(out, "Unable to load image.\nFile doesn't exist \n");
    EXPECT_EQ(WindowMgr->StoryImg, nullptr);
    EXPECT_EQ(WindowMgr->StoryImgPanel->image(), shown) << "the old picture must stay";
  }
  EXPECT_EQ(ReadWindowPixels(404, 4, 384, 264), before);
  EXPECT_LT(MaxRssKb() - rssBefore, 64 * 1024) << "a hostile header must not allocate much";

  // With the fallback picture present only the first line is printed.
  mkdir("data", 0755);
  mkdir("data/media", 0755);
  mkdir("data/media/img", 0755);
  std::ofstream("data/media/img/lake-tahoe384.jpg") << "x";
  TStdoutCapture capture;
  WindowMgr->ChangeStoryImage("missing.jpg");
  EXPECT_EQ(capture.Text(), "Unable to load image.\n");
}

TEST_F(WindowTest, ChoiceColumnHasEightPlaces) {
  WindowMgr->Window_Main_Clear_Choice_Btns();
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 0);
  EXPECT_TRUE(ChoiceButtons().empty());
  for (int n = 0; n < 8; ++n)
    EXPECT_EQ(WindowMgr->Window_Main_Create_Choice_Btn(9, n, "Choice " + std::to_string(n)), n + 1);
  EXPECT_EQ(WindowMgr->Window_Main_Create_Choice_Btn(9, 8, "Ninth"), 255);
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 8);
  std::vector<Fl_Button *> buttons = ChoiceButtons();
  ASSERT_EQ(buttons.size(), 8u);
  for (int n = 0; n < 8; ++n) {
    ExpectRect(buttons[n], {404, 304 + 30 * n, 384, 28}, "choice button");
    EXPECT_EQ(buttons[n]->label(), "Choice " + std::to_string(n));
    EXPECT_EQ(TActionData::At(n)->btnGadgetID, buttons[n]) << "slots fill in creation order";
    EXPECT_EQ(TActionData::At(n)->target, n);
  }
  EXPECT_EQ(buttons[7]->y() + buttons[7]->h(), 542);

  WindowMgr->Window_Main_Clear_Choice_Btns();
  Pump(0.0);
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 0);
  EXPECT_EQ(WindowMgr->Window_Main_Create_Choice_Btn(7, 42, "First again"), 1);
  EXPECT_EQ(TActionData::At(0)->btnGadgetID, ChoiceButtons().at(0));
  EXPECT_EQ(ChoiceButtons().at(0)->y(), 304);
  EXPECT_EQ(TActionData::At(0)->category, 7);
  EXPECT_EQ(TActionData::At(1)->category, 9) << "a free slot keeps its last category";
}

TEST_F(WindowTest, NewButtonFillsTheGapLeftByADeletedOne) {
  WindowMgr->Window_Main_Clear_Choice_Btns();
  for (int n = 0; n < 4; ++n)
    WindowMgr->Window_Main_Create_Choice_Btn(9, 0, "B" + std::to_string(n));
  Fl_Button *second = ChoiceButtons().at(1);
  WindowMgr->ActionBtnDelete(second);
  Pump(0.0);
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 3);
  EXPECT_EQ(ChoiceLabels(), (std::vector<std::string>{"B0", "B2", "B3"}));
  EXPECT_EQ(ChoiceButtons().at(1)->y(), 364) << "the others keep their places";

  // Deleting something that is in no slot changes nothing.
  WindowMgr->ActionBtnDelete(WindowMgr->VisitURLBtn);
  WindowMgr->ActionBtnDelete(nullptr);
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 3);

  EXPECT_EQ(WindowMgr->Window_Main_Create_Choice_Btn(9, 0, "New"), 4);
  std::vector<Fl_Button *> buttons = ChoiceButtons();
  ASSERT_EQ(buttons.size(), 4u);
  for (int n = 0; n < 4; ++n)
    EXPECT_EQ(buttons[n]->y(), 304 + 30 * n) << "no two buttons may share a place";
  EXPECT_EQ(ChoiceLabels(), (std::vector<std::string>{"B0", "New", "B2", "B3"}));
  EXPECT_EQ(WindowMgr->Window_Main_Create_Choice_Btn(9, 0, "Next"), 5);
  EXPECT_EQ(ChoiceButtons().at(4)->y(), 424);
}

TEST_F(WindowTest, PressesGoThroughTheDispatchOnce) {
  // A press on a button of an unknown category, or on nothing known, changes nothing.
  WindowMgr->Window_Main_Clear_Choice_Btns();
  WindowMgr->SetStoryArea("unchanged");
  WindowMgr->Window_Main_Create_Choice_Btn(9, 0, "Nothing");
  WindowMgr->Window_Main_Create_Choice_Btn(99, 0, "Unknown");
  Press(ButtonLabelled("Nothing"));
  Press(ButtonLabelled("Unknown"));
  WindowMgr->CheckBtnClick(WindowMgr->storyText);
  EXPECT_EQ(PaneText(), "unchanged");
  EXPECT_EQ(WindowMgr->ChoiceBtnNum, 2);
}

TEST_F(WindowTest, KeysAndLabelShortcutsPressNothing) {
  WindowMgr->Window_Main_Clear_Choice_Btns();
  // A label with '&' keeps it as written and gives no Alt shortcut.
  WindowMgr->Window_Main_Create_Choice_Btn(1, 0, "Salt & &Pepper");
  Fl_Button *b = ChoiceButtons().at(0);
  EXPECT_STREQ(b->label(), "Salt & &Pepper");
  const std::string before = PaneText();
  const uint16_t room = App->currentRm;
  for (unsigned long key : {XK_space, XK_Return, XK_KP_Enter, XK_p, XK_Tab, XK_Down}) {
    Key(key);
    EXPECT_EQ(App->currentRm, room) << "key " << key;
  }
  EXPECT_EQ(PaneText(), before);
  // The pointer still works.
  Click(b);
  EXPECT_EQ(App->currentRm, 17);
}

} // namespace

namespace {

// Every option of the book must be readable in its 28-pixel button: one line, or two at most.
TEST_F(WindowTest, EveryChoiceLabelFitsItsButton) {
  int twoLine = 0;
  for (TChoice *c : TChoice::Walk()) {
    WindowMgr->Window_Main_Clear_Choice_Btns();
    WindowMgr->Window_Main_Create_Choice_Btn(9, 0, c->desc);
    Fl_Button *b = ChoiceButtons().at(0);
    fl_font(b->labelfont(), b->labelsize());
    int w = b->w() - Fl::box_dw(b->box()), h = 0;
    fl_measure(b->label(), w, h, 0);
    // Two lines of 10 pixels measure 26 with their leading; the letters stay inside the bevel.
    EXPECT_LE(h, b->h() - Fl::box_dh(b->box()) + 2) << c->desc;
    EXPECT_LE(w, b->w() - Fl::box_dw(b->box())) << c->desc;
    EXPECT_GE(b->labelsize(), 10);
    twoLine += h > fl_height() + 2;
  }
  EXPECT_EQ(WindowMgr->Window_Main_Create_Choice_Btn(9, 0, "Short"), 2);
  EXPECT_EQ(ButtonLabelled("Short")->labelsize(), FL_NORMAL_SIZE) << "short labels keep the size";
  RecordProperty("two_line_labels", twoLine);
}

} // namespace

namespace {

// A move changes the pane several times under one hold; the pane must end exactly as without it.
TEST_F(WindowTest, HeldStoryChangesEndAsUnheldOnes) {
  auto run = [](bool hold) {
    WindowMgr->SetStoryArea("old text");
    if (hold)
      WindowMgr->HoldStory();
    WindowMgr->AppendStoryArea("\n\n");
    if (hold)
      WindowMgr->HoldStory(); // holds nest
    WindowMgr->SetStoryArea("new room\n");
    WindowMgr->AppendStoryArea("WHAT DO YOU WANT TO DO? ");
    if (hold) {
      WindowMgr->ReleaseStory();
      EXPECT_EQ(PaneText(), "old text") << "nothing reaches the pane before the last release";
      WindowMgr->ReleaseStory();
    }
    return PaneText();
  };
  EXPECT_EQ(run(true), run(false));
  EXPECT_EQ(PaneTopLine(), 1);
  WindowMgr->ReleaseStory(); // an unmatched release changes nothing
  EXPECT_EQ(PaneText(), "new room\nWHAT DO YOU WANT TO DO? ");
}

} // namespace
