// Test support: starts the real game in this process and drives its real window under Xvfb.
#pragma once

#include <FL/Fl_Button.H>

#include <cstdint>
#include <string>
#include <vector>

namespace qtest {

// Runs the game's start-up (window, managers, first room) and waits until it is drawn.
void StartGameAndShow();
// Lets FLTK handle whatever the X server has sent, until nothing is pending.
void Pump(double seconds = 0.05);

// Puts the player in a room as if they had walked there: its text, picture and buttons.
void GoTo(uint16_t room);

std::string PaneText();
// The choice buttons in the column, top to bottom.
std::vector<Fl_Button *> ChoiceButtons();
std::vector<std::string> ChoiceLabels();
Fl_Button *ButtonLabelled(const std::string &label);
// Presses a button the way FLTK does on a mouse release: through its callback.
void Press(Fl_Button *b);
// Presses it with the real pointer: an XTest move, press and release over its centre.
void Click(Fl_Button *b);
// Sends a real key press and release (an X keysym) to the window.
void Key(unsigned long keysym);
// Top line of the story pane (1 when the first line is in view).
int PaneTopLine();
// Scrolls the pane down by some lines, as the player would with the wheel.
void ScrollPaneDown(int lines);
// RGB pixels of a rectangle of the window as drawn on the X server.
std::vector<unsigned char> ReadWindowPixels(int x, int y, int w, int h);

// Writes a JPEG file of w x h with the given per-pixel colour function.
using TColourFn = void (*)(int x, int y, unsigned char rgb[3]);
void WriteJpeg(const std::string &path, int w, int h, TColourFn fn, int quality = 100);

// Captures what the process writes to stdout while the object lives.
class TStdoutCapture {
public:
  TStdoutCapture();
  ~TStdoutCapture();
  std::string Text();

private:
  int saved_ = -1;
  std::string path_;
};

// A fresh temporary directory, removed with everything in it when the object dies.
class TTempDir {
public:
  TTempDir();
  ~TTempDir();
  const std::string &Path() const { return path_; }

private:
  std::string path_;
};

} // namespace qtest
