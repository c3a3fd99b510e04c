// The book's thirty sections as rooms: exits, illustration and passage, one room per row.
#include "content/room_texts.h"
#include "content/tables.h"

namespace content {

// clang-format off
// id, north, south, east, west, up, down, illustration, name, passage
constexpr TRoomRow kRoomTable[kRoomCount] = {
    { 1, 17,  0,  0,  0,  0,  0, "data/media/img/brownBox.jpg", "Section 1", kRoomText01},
    { 2, 21, 14,  8, 28, 10,  0, "data/media/img/electronics.jpg", "Section 2", kRoomText02},
    { 3, 18, 23,  0,  0,  0,  0, "data/media/img/fire-escape.jpg", "Section 3", kRoomText03},
    { 4,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 4", kRoomText04},
    { 5,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 5", kRoomText05},
    { 6,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 6", kRoomText06},
    { 7,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 7", kRoomText07},
    { 8, 13,  5, 24, 16,  0,  0, "data/media/img/electronics.jpg", "Section 8", kRoomText08},
    { 9,  0,  0,  0,  0,  0,  0, "data/media/img/buildingExplosion.jpg", "Section 9", kRoomText09},
    {10, 27,  0,  0,  0,  0,  0, "data/media/img/CarryingBox.jpg", "Section 10", kRoomText10},
    {11,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 11", kRoomText11},
    {12, 20,  0,  0,  0,  0,  0, "data/media/img/tunerCircuit.jpg", "Section 12", kRoomText12},
    {13,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 13", kRoomText13},
    {14,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 14", kRoomText14},
    {15,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 15", kRoomText15},
    {16,  3, 28, 12,  0,  0,  0, "data/media/img/electronics.jpg", "Section 16", kRoomText16},
    {17, 25,  4, 22,  0,  0,  0, "data/media/img/paperNote.jpg", "Section 17", kRoomText17},
    {18,  0,  0,  0,  0,  0,  0, "data/media/img/buildingExplosion.jpg", "Section 18", kRoomText18},
    {19,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 19", kRoomText19},
    {20,  9, 26,  0,  0,  0,  0, "data/media/img/fire-escape.jpg", "Section 20", kRoomText20},
    {21,  7, 15, 29, 19,  0,  0, "data/media/img/electronics.jpg", "Section 21", kRoomText21},
    {22,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 22", kRoomText22},
    {23,  0,  0,  0,  0,  0,  0, "data/media/img/buildingExplosion.jpg", "Section 23", kRoomText23},
    {24,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 24", kRoomText24},
    {25, 11, 30,  6,  2,  0,  0, "data/media/img/3switches.jpg", "Section 25", kRoomText25},
    {26,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 26", kRoomText26},
    {27,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 27", kRoomText27},
    {28,  9, 26,  0,  0,  0,  0, "data/media/img/tunerCircuit.jpg", "Section 28", kRoomText28},
    {29,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 29", kRoomText29},
    {30,  1,  0,  0,  0,  0,  0, "data/media/img/flames.jpg", "Section 30", kRoomText30},
};
// clang-format on

static_assert(kRoomTable[kRoomCount - 1].id == kRoomCount, "the room table must end with room 30");

} // namespace content
