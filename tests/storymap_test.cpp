// The story map in docs/ against the tables: the built tool must print docs/storymap.dot exactly.
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "content/tables.h"

extern char **environ;

namespace {

// Runs the story-map tool and returns what it printed; *status gets its wait status.
std::string RunStorymap(int *status) {
  int fds[2];
  if (pipe(fds) != 0)
    return "";
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&fa, fds[0]);
  char *argv[] = {const_cast<char *>(QORVANE_STORYMAP), nullptr};
  pid_t pid = -1;
  int spawned = posix_spawn(&pid, QORVANE_STORYMAP, &fa, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&fa);
  close(fds[1]);
  std::string out;
  char buf[4096];
  ssize_t n;
  while ((n = read(fds[0], buf, sizeof buf)) > 0)
    out.append(buf, static_cast<size_t>(n));
  close(fds[0]);
  *status = -1;
  if (spawned == 0)
    waitpid(pid, status, 0);
  return out;
}

TEST(StorymapTest, TheCommittedMapIsWhatTheTablesDraw) {
  int status = 0;
  const std::string dot = RunStorymap(&status);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the tool failed";

  std::ifstream in(QORVANE_STORYMAP_DOT, std::ios::binary);
  ASSERT_TRUE(in) << QORVANE_STORYMAP_DOT;
  std::ostringstream committed;
  committed << in.rdbuf();
  EXPECT_EQ(dot, committed.str())
      << "docs/storymap.dot is out of step with the tables: run tools/make-storymap.sh";

  // One node per room and one edge per choice, each edge from the choice's own room.
  const std::regex node(R"re(^  s(\d+) \[label="Section (\d+)\\n)re");
  const std::regex edge(R"re(^  s(\d+) -> s(\d+) \[label="(North|South|East|West|Up|Down)")re");
  std::set<int> rooms;
  std::multiset<int> edgeSources;
  std::istringstream lines(dot);
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (std::regex_search(line, m, node)) {
      EXPECT_EQ(m[1], m[2]) << line;
      rooms.insert(std::stoi(m[1]));
    } else if (std::regex_search(line, m, edge)) {
      edgeSources.insert(std::stoi(m[1]));
    }
  }
  EXPECT_EQ(rooms.size(), 30u);
  EXPECT_EQ(rooms.size(), content::kRoomCount);
  EXPECT_EQ(edgeSources.size(), 47u);
  EXPECT_EQ(edgeSources.size(), content::kChoiceCount);
  for (const content::TChoiceRow &c : content::kChoiceTable)
    EXPECT_TRUE(rooms.count(c.roomNum)) << "choice " << c.id << " leaves from a room not drawn";
  for (int room : rooms) {
    size_t choices = 0;
    for (const content::TChoiceRow &c : content::kChoiceTable)
      choices += c.roomNum == room;
    EXPECT_EQ(edgeSources.count(room), choices) << "room " << room;
  }
}

} // namespace
