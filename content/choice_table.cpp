// The book's 47 choices: one option per row, bound to an exit of its room by its direction.
#include "content/tables.h"

namespace content {

namespace {
constexpr char kRestart[] = "Restart the story and try again.";
} // namespace

// clang-format off
// id, room, direction (1 N, 2 S, 3 E, 4 W, 5 up, 6 down), value, active, label
constexpr TChoiceRow kChoiceTable[kChoiceCount] = {
    { 1,  1, 1, 0, 1, "Continue the adventure..."},
    { 2,  2, 1, 0, 1, "Cut the wires that run from the timer switches down to the little control board"},
    { 3,  2, 2, 0, 1, "Smash the control board before it can finish counting"},
    { 4,  2, 3, 0, 1, "Take a closer look at the battery pack"},
    { 5,  2, 4, 0, 1, "Ignore the letter's warning and go to work on the transmitter"},
    { 6,  2, 5, 0, 1, "Carry the box out of the building and let it go off somewhere else"},
    { 7,  3, 1, 0, 1, "If you have had to restart this story fewer than four times, read on here"},
    { 8,  3, 2, 0, 1, "If you have had to restart this story four or more times, read on here"},
    { 9,  4, 1, 0, 1, kRestart},
    {10,  5, 1, 0, 1, kRestart},
    {11,  6, 1, 0, 1, kRestart},
    {12,  7, 1, 0, 1, kRestart},
    {13,  8, 1, 0, 1, "Grip the whole twisted bundle of wires and tear it out of the battery housing in one hard pull"},
    {14,  8, 2, 0, 1, "Cut the two single wires that lead from the battery pack to the detonator"},
    {15,  8, 3, 0, 1, "Cut the wires to the transmitter"},
    {16,  8, 4, 0, 1, "Leave the wires alone for now and take a proper look at the transmitter first"},
    {17, 10, 1, 0, 1, "Continue..."},
    {18, 11, 1, 0, 1, kRestart},
    {19, 12, 1, 0, 1, "Continue..."},
    {20, 13, 1, 0, 1, kRestart},
    {21, 14, 1, 0, 1, kRestart},
    {22, 15, 1, 0, 1, kRestart},
    {23, 16, 1, 0, 1, "Decide that this box is the only bomb, leave the transmitter and save your own life"},
    {24, 16, 2, 0, 1, "Cut the leads between the transmitter and aerial"},
    {25, 16, 3, 0, 1, "Turn the tuning wheel and simply change the radio's frequency"},
    {26, 17, 1, 0, 1, "Slit the tape along the top of the box open with the box-knife"},
    {27, 17, 2, 0, 1, "Cut a small hole in the side of the box with the knife and look in"},
    {28, 17, 3, 0, 1, "Carry the box into the apartment, where the light is better, to look"},
    {29, 19, 1, 0, 1, kRestart},
    {30, 20, 1, 0, 1, "If you have had to restart this story fewer than four times, read on here"},
    {31, 20, 2, 0, 1, "If you have had to restart this story four or more times, read on here"},
    {32, 21, 1, 0, 1, "Cut the red wires of the reset switch"},
    {33, 21, 2, 0, 1, "Cut the on/off switch's yellow wires"},
    {34, 21, 3, 0, 1, "Cut the blue wires of the disarm switch"},
    {35, 21, 4, 0, 1, "Draw all six wires together in one hand and cut through them at once"},
    {36, 22, 1, 0, 1, kRestart},
    {37, 24, 1, 0, 1, kRestart},
    {38, 25, 1, 0, 1, "Press down the switch marked RESET"},
    {39, 25, 2, 0, 1, "Press down the switch marked ON/OFF"},
    {40, 25, 3, 0, 1, "Press down the switch marked DISARM"},
    {41, 25, 4, 0, 1, "Leave the switches alone and peel the silver foil away from the panel to see what the rest of the device looks like"},
    {42, 26, 1, 0, 1, kRestart},
    {43, 27, 1, 0, 1, kRestart},
    {44, 28, 1, 0, 1, "If you have had to restart this story fewer than four times, read on here"},
    {45, 28, 2, 0, 1, "If you have had to restart this story four or more times, read on here"},
    {46, 29, 1, 0, 1, kRestart},
    {47, 30, 1, 0, 1, kRestart},
};
// clang-format on

static_assert(kChoiceTable[kChoiceCount - 1].id == kChoiceCount,
              "the choice table must end with choice 47");

} // namespace content
