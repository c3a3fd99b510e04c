// Row types and counts of the game's content tables, which the managers add while they are built.
#pragma once

#include <cstddef>
#include <cstdint>

namespace content {

inline constexpr std::size_t kRoomCount = 30;
inline constexpr std::size_t kChoiceCount = 47;
inline constexpr std::size_t kTriggerCount = 6;
inline constexpr std::size_t kEntityCount = 1;
inline constexpr std::size_t kSectionCount = 2;

struct TRoomRow {
  uint16_t id, n, s, e, w, u, d;
  const char *imgFn;
  const char *name;
  const char *desc;
};

struct TChoiceRow {
  uint16_t id;
  uint16_t roomNum;
  uint16_t actionItem;
  int32_t actionValue;
  uint8_t isActive;
  const char *desc;
};

struct TTriggerRow {
  uint16_t id, roomNum, category;
  int32_t target, targetValue;
  uint8_t isEnabled;
  const char *StoryText;
};

struct TEntityRow {
  int32_t id;
  const char *name;
  int32_t category;
  int32_t roomNum;
  uint8_t canTake;
  const char *desc;
  const char *location;
  int32_t initiative;
};

struct TSectionRow {
  uint16_t id;
  const char *desc;
  uint16_t path1id;
  const char *p1txt;
};

extern const TRoomRow kRoomTable[kRoomCount];
extern const TChoiceRow kChoiceTable[kChoiceCount];
extern const TTriggerRow kTriggerTable[kTriggerCount];
extern const TEntityRow kEntityTable[kEntityCount];
extern const TSectionRow kSectionTable[kSectionCount];

// The publisher's web site: opened by the web-site button and named in the closing message.
inline constexpr char kPublisherUrl[] = "https://www.qorvane.example.org/";
// The readme document, in the working directory beside data/.
inline constexpr char kReadmeDocument[] = "Qorvane_Readme.pdf";

} // namespace content
