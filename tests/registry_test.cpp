// The type registry on a small record type of its own: order, nesting, ownership, failures.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "world/registry.h"

namespace {

int gAlive = 0;
bool gThrowNext = false;

struct TNote : TRegistered<TNote> {
  explicit TNote(Key k) : TRegistered(k) {
    if (gThrowNext) {
      gThrowNext = false;
      throw std::runtime_error("refused");
    }
    ++gAlive;
  }
  ~TNote() override { --gAlive; }
  int n = 0;
};

TEST(RegistryTest, WalksInCreationOrderAndNestedWalksDoNotDisturb) {
  for (int i = 0; i < 4; ++i)
    TNote::New()->n = i;
  std::vector<std::string> seen;
  for (TNote *outer : TNote::Walk()) {
    for (TNote *inner : TNote::Walk())
      if (inner->n == outer->n)
        seen.push_back(std::to_string(outer->n));
    seen.push_back("/");
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"0", "/", "1", "/", "2", "/", "3", "/"}));
  EXPECT_EQ(TNote::At(2)->n, 2);
}

TEST(RegistryTest, OwnsItsRecordsAndSurvivesAFailedConstruction) {
  TNote::New();
  TNote::New();
  EXPECT_EQ(gAlive, 2);
  gThrowNext = true;
  EXPECT_THROW(TNote::New(), std::runtime_error);
  EXPECT_EQ(TNote::Count(), 2u) << "a record that failed to build must not stay listed";
  TNote::New()->n = 7;
  EXPECT_EQ(TNote::At(2)->n, 7);
  TNote::DestroyEach();
  EXPECT_EQ(TNote::Count(), 0u);
  EXPECT_EQ(gAlive, 0) << "the registry deletes what it owns";
}

} // namespace
