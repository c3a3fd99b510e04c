// The game as the benchmark starts it: real start-up and moves, timed and reported to the driver.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/app.h"
#include "bench/bench_hooks.h"
#include "window/image_loader.h"
#include "window/window_mgr.h"

namespace {

// The round the benchmark plays: the timed move leaves the first room, the other two come back.
constexpr char kLeaveFirstRoom[] = "Continue the adventure...";
constexpr char kToTheFlames[] =
    "Cut a small hole in the side of the box with the knife and look in";
constexpr char kRestart[] = "Restart the story and try again.";

std::vector<Fl_Button *> Column() {
  std::vector<Fl_Button *> out;
  for (TActionData *slot : TActionData::Walk())
    if (slot->btnGadgetID)
      out.push_back(slot->btnGadgetID);
  std::sort(out.begin(), out.end(), [](Fl_Button *a, Fl_Button *b) { return a->y() < b->y(); });
  return out;
}

// One line per button, top to bottom: the label's size in pixels, a blank, the label.
std::string ColumnLabels() {
  std::string out;
  for (Fl_Button *b : Column())
    out += std::to_string(b->labelsize()) + " " + (b->label() ? b->label() : "") + "\n";
  return out;
}

std::string PaneText() {
  char *t = WindowMgr->storyText->buffer()->text();
  std::string s = t ? t : "";
  std::free(t);
  return s;
}

Fl_Button *Labelled(const char *label) {
  for (Fl_Button *b : Column())
    if (b->label() && std::string(label) == b->label())
      return b;
  bench::Report("error_no_button", 1);
  std::_Exit(2);
}

// Lets FLTK take whatever the server has sent, so a timed press starts from a quiet window.
void Settle() {
  XSync(fl_display, False);
  while (Fl::wait(0) > 0) {
  }
  bench::FlushAndSync();
}

// A press as FLTK delivers it, the deferred deletion of the buttons it removed, and the drawing.
void Press(const char *label) {
  Labelled(label)->do_callback();
  Fl::do_widget_deletion();
  bench::FlushAndSync();
}

// How far the illustration panel on screen is from the picture file, in hundredths of a level.
long long PanelDifference(const char *path) {
  picture::TRgb rgb;
  if (!picture::DecodeJpegFile(path, rgb, 384, 264))
    return -1;
  const picture::TRgb fitted = picture::CoverFit(rgb, 384, 264);
  Fl_Box *p = WindowMgr->StoryImgPanel;
  const double d =
      bench::ScreenDifference(WindowMgr->mainWindow, p->x(), p->y(), 384, 264, fitted.px.data());
  return static_cast<long long>(d * 100);
}

} // namespace

int main() {
  StartGame();
  bench::WaitUntilDrawn(WindowMgr->mainWindow);
  bench::Report("drawn_ns", bench::NowNs());
  bench::Report("drawn_cpu_ns", bench::CpuNs());
  bench::Report("peak_rss_kib", bench::PeakRssKiB());

  // Checks that what was timed really is the first room on screen.
  bench::Report("panel_diff_x100", PanelDifference("data/media/img/brownBox.jpg"));
  bench::Dump("pane1.txt", PaneText());
  bench::Dump("labels1.txt", ColumnLabels());
  // "size name" of the pane's face, or "none" when the game kept FLTK's default.
  bench::Dump("font.txt", WindowMgr->font >= 0 ? std::to_string(WindowMgr->fontSize) + " " +
                                                     Fl::get_font(WindowMgr->font)
                                               : "none");

  const int moves = bench::EnvInt("QORVANE_BENCH_MOVES", 0);
  for (int i = 0; i < moves; ++i) {
    Settle();
    const long long t0 = bench::NowNs(), c0 = bench::CpuNs();
    Press(kLeaveFirstRoom);
    bench::Report("move_ns", bench::NowNs() - t0);
    bench::Report("move_cpu_ns", bench::CpuNs() - c0);
    if (i == 0) {
      bench::Report("move_panel_diff_x100", PanelDifference("data/media/img/paperNote.jpg"));
      bench::Dump("pane17.txt", PaneText());
      bench::Dump("labels17.txt", ColumnLabels());
    }
    Press(kToTheFlames);
    Press(kRestart);
  }
  bench::Report("moves_peak_rss_kib", bench::PeakRssKiB());
  bench::Report("done", 1);
  if (bench::EnvInt("QORVANE_BENCH_STAY", 0))
    RunGame();
  return 0;
}
