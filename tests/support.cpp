// Test support: real start-up, event pumping, pointer and key input through XTest, pixel reads.
#include "tests/support.h"

#include <FL/Fl.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <jpeglib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/app.h"
#include "story/story_mgr.h"
#include "window/window_mgr.h"
#include "world/entity.h"
#include "world/room.h"

namespace qtest {

void Pump(double seconds) {
  auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  do {
    if (fl_display)
      XSync(fl_display, False);
    Fl::wait(0.01);
  } while (std::chrono::steady_clock::now() < until);
  Fl::flush();
  if (fl_display)
    XSync(fl_display, False);
}

void StartGameAndShow() {
  StartGame();
  // Wait for the window to be mapped and exposed.
  for (int i = 0; i < 200 && !WindowMgr->mainWindow->visible(); ++i)
    Pump(0.01);
  Pump(0.1);
}

void GoTo(uint16_t room) {
  App->currentRm = room;
  RoomMgr->displayRoom("", room);
  WindowMgr->Window_Main_Clear_Choice_Btns();
  EntityMgr->getHints(room);
  StoryMgr->GetChoices(room);
  Pump(0.0);
}

std::string PaneText() {
  char *t = WindowMgr->storyText->buffer()->text();
  std::string s = t ? t : "";
  free(t);
  return s;
}

std::vector<Fl_Button *> ChoiceButtons() {
  std::vector<Fl_Button *> out;
  for (TActionData *slot : TActionData::Walk())
    if (slot->btnGadgetID)
      out.push_back(slot->btnGadgetID);
  std::sort(out.begin(), out.end(), [](Fl_Button *a, Fl_Button *b) { return a->y() < b->y(); });
  return out;
}

std::vector<std::string> ChoiceLabels() {
  std::vector<std::string> out;
  for (Fl_Button *b : ChoiceButtons())
    out.push_back(b->label() ? b->label() : "");
  return out;
}

Fl_Button *ButtonLabelled(const std::string &label) {
  for (Fl_Button *b : ChoiceButtons())
    if (b->label() && label == b->label())
      return b;
  return nullptr;
}

void Press(Fl_Button *b) {
  if (!b)
    throw std::runtime_error("no such button to press");
  b->do_callback();
  Pump(0.0);
}

static void MovePointerTo(int wx, int wy) {
  Fl_Window *win = WindowMgr->mainWindow;
  XTestFakeMotionEvent(fl_display, -1, win->x_root() + wx, win->y_root() + wy, CurrentTime);
  XSync(fl_display, False);
  Pump(0.02);
}

void Click(Fl_Button *b) {
  if (!b)
    throw std::runtime_error("no such button to click");
  MovePointerTo(b->x() + b->w() / 2, b->y() + b->h() / 2);
  XTestFakeButtonEvent(fl_display, 1, True, CurrentTime);
  XSync(fl_display, False);
  Pump(0.02);
  XTestFakeButtonEvent(fl_display, 1, False, CurrentTime);
  XSync(fl_display, False);
  Pump(0.05);
}

void Key(unsigned long keysym) {
  // Keyboard focus follows the pointer without a window manager: keep it over the window.
  MovePointerTo(WindowMgr->mainWindow->w() / 2 + 10, 290);
  KeyCode code = XKeysymToKeycode(fl_display, keysym);
  XTestFakeKeyEvent(fl_display, code, True, CurrentTime);
  XTestFakeKeyEvent(fl_display, code, False, CurrentTime);
  XSync(fl_display, False);
  Pump(0.05);
}

static Fl_Scrollbar *PaneScrollbar() {
  Fl_Text_Display *d = WindowMgr->storyText;
  for (int i = 0; i < d->children(); ++i) {
    auto *sb = dynamic_cast<Fl_Scrollbar *>(d->child(i));
    if (sb && sb->type() == FL_VERTICAL)
      return sb;
  }
  return nullptr;
}

int PaneTopLine() {
  Pump(0.0);
  Fl_Scrollbar *sb = PaneScrollbar();
  return sb ? static_cast<int>(sb->value()) : -1;
}

void ScrollPaneDown(int lines) {
  WindowMgr->storyText->scroll(lines, 0);
  Pump(0.02);
}

std::vector<unsigned char> ReadWindowPixels(int x, int y, int w, int h) {
  Pump(0.05);
  Fl_Window *win = WindowMgr->mainWindow;
  XImage *img = XGetImage(fl_display, fl_xid(win), x, y, w, h, AllPlanes, ZPixmap);
  std::vector<unsigned char> out(static_cast<size_t>(w) * h * 3);
  if (!img)
    return out;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      unsigned long p = XGetPixel(img, i, j);
      unsigned char *o = &out[(static_cast<size_t>(j) * w + i) * 3];
      o[0] = (p >> 16) & 0xFF;
      o[1] = (p >> 8) & 0xFF;
      o[2] = p & 0xFF;
    }
  XDestroyImage(img);
  return out;
}

void WriteJpeg(const std::string &path, int w, int h, TColourFn fn, int quality) {
  FILE *f = std::fopen(path.c_str(), "wb");
  if (!f)
    throw std::runtime_error("cannot write " + path);
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, f);
  c.image_width = w;
  c.image_height = h;
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, quality, TRUE);
  // No chroma subsampling, so flat colour fields come back exactly.
  for (int i = 0; i < c.num_components; ++i)
    c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
  jpeg_start_compress(&c, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(w) * 3);
  while (c.next_scanline < c.image_height) {
    for (int x = 0; x < w; ++x)
      fn(x, static_cast<int>(c.next_scanline), &row[x * 3]);
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::fclose(f);
}

TStdoutCapture::TStdoutCapture() {
  char tmpl[] = "/tmp/qorvane-stdout-XXXXXX";
  int fd = mkstemp(tmpl);
  path_ = tmpl;
  std::fflush(stdout);
  saved_ = dup(STDOUT_FILENO);
  dup2(fd, STDOUT_FILENO);
  close(fd);
}

std::string TStdoutCapture::Text() {
  std::fflush(stdout);
  std::ifstream in(path_);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TStdoutCapture::~TStdoutCapture() {
  std::fflush(stdout);
  dup2(saved_, STDOUT_FILENO);
  close(saved_);
  unlink(path_.c_str());
}

TTempDir::TTempDir() {
  char tmpl[] = "/tmp/qorvane-test-XXXXXX";
  path_ = mkdtemp(tmpl);
}

TTempDir::~TTempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

} // namespace qtest
