// The application object: the player's shared state, the two long texts and the event handler.
#pragma once

#include <cstdint>
#include <string>

class Fl_Widget;

// One event as the handler sees it: what happened and which widget it came from.
struct TEvent {
  enum TId { kGadgetAction, kCloseWindow, kOther };
  TId id = kOther;
  Fl_Widget *source = nullptr;
};

class MainAPP {
public:
  MainAPP();
  virtual ~MainAPP() = default;
  MainAPP(const MainAPP &) = delete;
  MainAPP &operator=(const MainAPP &) = delete;

  virtual int32_t Init();
  // Receives every event that reaches the game, with App as its context.
  static void *eventhook(int32_t hookId, void *data, void *context);
  virtual int32_t displayWhatNow();
  virtual int32_t OnEvent(const TEvent &event);

  // The game keeps no ticking timer: nothing depends on one and an idle game must not wake up.
  void *timer = nullptr;
  uint16_t currentRm = 0;
  uint16_t currentSection = 0;
  std::string storyIntro;
  std::string basicHelp;
  int32_t localPlayerID = 0;
};

// The application object. Set by StartGame() after the four content managers, valid for the
// rest of the process; only the event thread touches it.
extern MainAPP *App;

inline constexpr char kWhatNowPrompt[] = "WHAT DO YOU WANT TO DO? ";

// Start-up: the registries, the title, the six singletons in order, and the first room.
void StartGame();
// The names of the singletons in the order StartGame() created them (for checks and tests).
const char *const *StartupOrder();
// Waits for window events forever; the process ends only through a close request.
[[noreturn]] void RunGame();
