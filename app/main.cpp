// The program: starts the game and waits for window events until the window is closed.
#include "app/app.h"

int main() {
  StartGame();
  RunGame();
}
