// The yardstick: the game's window with the same widgets and pictures but no engine behind it.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_hooks.h"

// Run by the driver it shows the texts, labels and font the game showed (passed in the
// environment); run alone it shows a filler text of about the length of the first room.
namespace {

constexpr char kFirstPicture[] = "data/media/img/brownBox.jpg";
constexpr char kSecondPicture[] = "data/media/img/paperNote.jpg";

struct TScreen {
  std::string text;
  const char *picture;
  std::vector<std::string> labels;
};

TScreen gScreens[2];
int gShown = 0;

Fl_Double_Window *gWin = nullptr;
Fl_Text_Buffer *gBuffer = nullptr;
Fl_Text_Display *gPane = nullptr;
Fl_Box *gPanel = nullptr;
Fl_RGB_Image *gPicture = nullptr;
std::vector<Fl_Button *> gColumn;

// A plain libjpeg decode into an FLTK image; the pictures are exactly the panel's size.
Fl_RGB_Image *LoadPicture(const char *path) {
  FILE *f = std::fopen(path, "rb");
  if (!f) {
    std::fprintf(stderr, "minimal: cannot open %s (run it in the game's folder)\n", path);
    std::exit(1);
  }
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, f);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  const int w = static_cast<int>(cinfo.output_width), h = static_cast<int>(cinfo.output_height);
  uchar *px = new uchar[static_cast<size_t>(w) * h * 3];
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = px + static_cast<size_t>(cinfo.output_scanline) * w * 3;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(f);
  auto *img = new Fl_RGB_Image(px, w, h, 3);
  img->alloc_array = 1;
  return img;
}

void Press(Fl_Widget *, void *);

void Show(int screen) {
  const TScreen &s = gScreens[screen];
  gShown = screen;
  gBuffer->text(s.text.c_str());
  gPane->insert_position(0);
  gPane->scroll(1, 0);

  Fl_RGB_Image *img = LoadPicture(s.picture);
  gPanel->image(img);
  delete gPicture;
  gPicture = img;
  gPanel->redraw();

  for (Fl_Button *b : gColumn) {
    b->hide();
    gWin->remove(b);
    Fl::delete_widget(b);
  }
  gColumn.clear();
  gWin->begin();
  int y = 304;
  for (const std::string &line : s.labels) {
    // "size label", as the game showed it.
    const size_t blank = line.find(' ');
    auto *b = new Fl_Button(404, y, 384, 28);
    b->copy_label(line.c_str() + blank + 1);
    b->labelsize(std::atoi(line.c_str()));
    b->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
    b->clear_visible_focus();
    b->callback(Press);
    gColumn.push_back(b);
    y += 30;
  }
  gWin->end();
  gWin->redraw();
}

void Press(Fl_Widget *, void *) {
  Show(1 - gShown);
}

std::string Filler(size_t length) {
  const std::string words = "  The parcel sits on the mat and waits for someone to open it. ";
  std::string out;
  while (out.size() < length)
    out += words;
  out.resize(length);
  return out;
}

} // namespace

int main() {
  gScreens[0] = {bench::EnvText("QORVANE_BENCH_PANE1"), kFirstPicture,
                 bench::EnvLines("QORVANE_BENCH_LABELS1")};
  gScreens[1] = {bench::EnvText("QORVANE_BENCH_PANE17"), kSecondPicture,
                 bench::EnvLines("QORVANE_BENCH_LABELS17")};
  if (gScreens[0].text.empty())
    gScreens[0] = {Filler(3400), kFirstPicture, {"14 Continue the adventure..."}};
  if (gScreens[1].text.empty())
    gScreens[1] = {Filler(2600), kSecondPicture, {"14 One", "14 Two", "14 Three"}};
  std::string font = bench::EnvText("QORVANE_BENCH_FONT");
  if (font.empty())
    font = "13  DejaVu Sans";

  gWin = new Fl_Double_Window(0, 0, 800, 600, "Minimal");
  gBuffer = new Fl_Text_Buffer();
  gPane = new Fl_Text_Display(4, 4, 396, 596);
  gPane->buffer(gBuffer);
  gPane->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
  // "size name" as the game chose it; "none": the game found no face and kept FLTK's default.
  if (font != "none") {
    const size_t blank = font.find(' ');
    Fl::set_font(FL_FREE_FONT, font.c_str() + blank + 1);
    gPane->textfont(FL_FREE_FONT);
    gPane->textsize(std::atoi(font.c_str()));
  }
  gPanel = new Fl_Box(404, 4, 384, 264);
  gPanel->box(FL_NO_BOX);
  auto *visit = new Fl_Button(404, 544, 192, 28, "Visit our web site");
  auto *help = new Fl_Button(596, 544, 192, 28, "Instructions");
  for (Fl_Button *b : {visit, help}) {
    b->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
    b->clear_visible_focus();
  }
  Show(0);
  gWin->show();

  if (bench::EnvInt("QORVANE_BENCH_FD", -1) < 0)
    return Fl::run();

  bench::WaitUntilDrawn(gWin);
  bench::Report("drawn_ns", bench::NowNs());
  bench::Report("drawn_cpu_ns", bench::CpuNs());
  bench::Report("peak_rss_kib", bench::PeakRssKiB());
  bench::Report("panel_diff_x100",
                static_cast<long long>(
                    100 * bench::ScreenDifference(gWin, 404, 4, 384, 264, gPicture->array)));
  const int moves = bench::EnvInt("QORVANE_BENCH_MOVES", 0);
  for (int i = 0; i < moves; ++i) {
    XSync(fl_display, False);
    while (Fl::wait(0) > 0) {
    }
    bench::FlushAndSync();
    const long long t0 = bench::NowNs(), c0 = bench::CpuNs();
    gColumn.front()->do_callback();
    Fl::do_widget_deletion();
    bench::FlushAndSync();
    bench::Report("move_ns", bench::NowNs() - t0);
    bench::Report("move_cpu_ns", bench::CpuNs() - c0);
    if (i == 0)
      bench::Report("move_panel_diff_x100",
                    static_cast<long long>(
                        100 * bench::ScreenDifference(gWin, 404, 4, 384, 264, gPicture->array)));
    // Back to the first screen, untimed, for the next round.
    gColumn.front()->do_callback();
    Fl::do_widget_deletion();
    bench::FlushAndSync();
  }
  bench::Report("moves_peak_rss_kib", bench::PeakRssKiB());
  bench::Report("done", 1);
  if (bench::EnvInt("QORVANE_BENCH_STAY", 0))
    return Fl::run();
  return 0;
}
