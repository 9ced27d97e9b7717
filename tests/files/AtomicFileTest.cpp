#include "files/AtomicFile.h"

#include <gtest/gtest.h>

#include "support/FaultyFileOps.h"
#include "support/TempDir.h"

namespace zf61 {
namespace {

TEST(AtomicFile, ReplacesTheTargetOnlyWhenEverythingSucceeded) {
  test::TempDir dir;
  test::WriteBytes(dir / "a.dat", "old content");
  ASSERT_TRUE(WriteFileAtomically(dir / "a.dat", "new"));
  EXPECT_EQ(test::ReadBytes(dir / "a.dat"), "new");

  for (int fault = 0; fault < 4; ++fault) {
    test::FaultyFileOps ops;
    ops.failOpen = fault == 0;
    ops.failWriteAfterBytes = fault == 1 ? 1 : -1;
    ops.failClose = fault == 2;
    ops.failRename = fault == 3;
    EXPECT_FALSE(WriteFileAtomically(dir / "a.dat", "replacement", ops)) << fault;
    EXPECT_EQ(test::ReadBytes(dir / "a.dat"), "new") << fault;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.dat"}) << fault;
  }
}

TEST(AtomicFile, AnAbandonedWriteLeavesNothing) {
  test::TempDir dir;
  {
    AtomicFile file(dir / "b.dat");
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("partial"));
    EXPECT_TRUE(std::filesystem::exists(file.temporaryPath()));
    EXPECT_FALSE(std::filesystem::exists(dir / "b.dat"));
  }
  EXPECT_TRUE(dir.entries().empty());
  // A folder that does not exist fails cleanly.
  EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "c.dat", "x"));
}

}  // namespace
}  // namespace zf61
