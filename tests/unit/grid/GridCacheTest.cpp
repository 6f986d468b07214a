#include "grid/GridCache.h"

#include <stdlib.h>

#include <gtest/gtest.h>

namespace {

// Captions stand in for bitmaps: a caption of n units accounts for 2n + 2 bytes.
CellData Caption(size_t units) {
  CellData data;
  data.fCaption = static_cast<PA_Unichar*>(malloc((units + 1) * sizeof(PA_Unichar)));
  for (size_t i = 0; i < units; ++i) {
    data.fCaption[i] = u'x';
  }
  data.fCaption[units] = 0;
  data.fLoaded = true;
  return data;
}

TEST(GridCache, StoresAndReturnsLoadedCells) {
  GridCache cache;
  cache.Setup(10);
  EXPECT_FALSE(cache.GetCellData(3).IsLoaded());
  cache.SetCellData(3, Caption(4));
  CellData got = cache.GetCellData(3);
  ASSERT_TRUE(got.IsLoaded());
  EXPECT_EQ(got.fCaption[0], u'x');
  EXPECT_EQ(cache.GetByteTotal(), 10u);
  EXPECT_TRUE(cache.CheckConsistency());
}

TEST(GridCache, IgnoresCellsOutsideItsSlots) {
  GridCache cache;
  cache.Setup(2);
  CellData data = Caption(1);
  cache.SetCellData(0, data);
  cache.SetCellData(3, data);
  EXPECT_EQ(cache.GetLinkedCount(), 0);
  EXPECT_FALSE(cache.GetCellData(0).IsLoaded());
  EXPECT_FALSE(cache.GetCellData(3).IsLoaded());
  cache.PurgeCellData(0);
  cache.PurgeCellData(7);
  data.Clear();

  GridCache empty;
  CellData other = Caption(1);
  empty.SetCellData(1, other); // no slots: not kept
  EXPECT_FALSE(empty.GetCellData(1).IsLoaded());
  other.Clear();
}

TEST(GridCache, UnloadedDataIsNotStored) {
  GridCache cache;
  cache.Setup(2);
  cache.SetCellData(1, CellData());
  EXPECT_FALSE(cache.GetCellData(1).IsLoaded());
  EXPECT_EQ(cache.GetLinkedCount(), 0);
}

TEST(GridCache, CellLoadedWithNothingCountsAsLoaded) {
  GridCache cache;
  cache.Setup(2);
  CellData nothing;
  nothing.fLoaded = true;
  cache.SetCellData(2, nothing);
  EXPECT_TRUE(cache.GetCellData(2).IsLoaded());
  EXPECT_EQ(cache.GetByteTotal(), 0u);
  EXPECT_EQ(cache.GetLinkedCount(), 1);
}

TEST(GridCache, LookUpMovesACellToTheHead) {
  GridCache cache;
  cache.Setup(5);
  for (uint32_t cell = 1; cell <= 3; ++cell) {
    cache.SetCellData(cell, Caption(1));
  }
  EXPECT_EQ(cache.GetHead(), 3u);
  EXPECT_EQ(cache.GetTail(), 1u);
  cache.GetCellData(1);
  EXPECT_EQ(cache.GetHead(), 1u);
  EXPECT_EQ(cache.GetTail(), 2u);
  cache.GetCellData(3); // from the middle
  EXPECT_EQ(cache.GetHead(), 3u);
  EXPECT_EQ(cache.GetTail(), 2u);
  EXPECT_TRUE(cache.CheckConsistency());
}

TEST(GridCache, PurgingUnlinksFromAnyPosition) {
  GridCache cache;
  cache.Setup(6);
  for (uint32_t cell = 1; cell <= 5; ++cell) {
    cache.SetCellData(cell, Caption(cell));
  }
  cache.PurgeCellData(3); // middle
  cache.PurgeCellData(5); // head
  cache.PurgeCellData(1); // tail
  cache.PurgeCellData(6); // never loaded
  EXPECT_TRUE(cache.CheckConsistency());
  EXPECT_EQ(cache.GetLinkedCount(), 2);
  EXPECT_EQ(cache.GetByteTotal(), (2u * 2 + 2) + (2u * 4 + 2));
  EXPECT_EQ(cache.GetHead(), 4u);
  EXPECT_EQ(cache.GetTail(), 2u);
  cache.Purge();
  EXPECT_EQ(cache.GetLinkedCount(), 0);
  EXPECT_EQ(cache.GetByteTotal(), 0u);
}

TEST(GridCache, StoringOverALoadedCellReplacesIt) {
  GridCache cache;
  cache.Setup(3);
  cache.SetCellData(2, Caption(10));
  cache.SetCellData(2, Caption(1));
  EXPECT_EQ(cache.GetLinkedCount(), 1);
  EXPECT_EQ(cache.GetByteTotal(), 4u);
  EXPECT_TRUE(cache.CheckConsistency());
}

TEST(GridCache, EvictsTheLeastRecentlyUsedAtTheBound) {
  GridCache cache;
  ASSERT_EQ(cache.SetMaxByteSize(GridCache::kMinMaxByteSize), 0);
  cache.Setup(100);
  const size_t units = 1000000; // 2000002 bytes: 33 fit in 64 MiB
  for (uint32_t cell = 1; cell <= 33; ++cell) {
    cache.SetCellData(cell, Caption(units));
  }
  EXPECT_EQ(cache.GetLinkedCount(), 33);
  cache.GetCellData(1); // seen again: the last to go
  cache.SetCellData(34, Caption(units));
  EXPECT_EQ(cache.GetLinkedCount(), 33);
  EXPECT_TRUE(cache.GetCellData(1).IsLoaded());
  EXPECT_FALSE(cache.GetCellData(2).IsLoaded());
  EXPECT_LE(cache.GetByteTotal(), GridCache::kMinMaxByteSize);
  EXPECT_TRUE(cache.CheckConsistency());
}

TEST(GridCache, ACellLargerThanTheBoundIsKeptAlone) {
  GridCache cache;
  cache.Setup(3);
  cache.SetCellData(1, Caption(3));
  ASSERT_EQ(cache.SetMaxByteSize(GridCache::kMinMaxByteSize), 0);
  cache.SetCellData(2, Caption(GridCache::kMinMaxByteSize / 2 + 1));
  EXPECT_TRUE(cache.GetCellData(2).IsLoaded());
  EXPECT_TRUE(cache.CheckConsistency());
}

TEST(GridCache, MaximumSizeIsBoundedAndLoweringItTrims) {
  GridCache cache;
  EXPECT_EQ(cache.GetMaxByteSize(), GridCache::kDefaultMaxByteSize);
  EXPECT_EQ(cache.SetMaxByteSize(1000), -50);
  EXPECT_EQ(cache.SetMaxByteSize(GridCache::kMaxMaxByteSize + 1), -50);
  EXPECT_EQ(cache.GetMaxByteSize(), GridCache::kDefaultMaxByteSize);
  EXPECT_EQ(cache.SetMaxByteSize(GridCache::kMaxMaxByteSize), 0);

  cache.Setup(40);
  for (uint32_t cell = 1; cell <= 40; ++cell) {
    cache.SetCellData(cell, Caption(1000000));
  }
  EXPECT_EQ(cache.SetMaxByteSize(GridCache::kMinMaxByteSize), 0);
  EXPECT_LE(cache.GetByteTotal(), GridCache::kMinMaxByteSize);
  EXPECT_EQ(cache.GetHead(), 40u);
  EXPECT_TRUE(cache.CheckConsistency());
}

TEST(GridCache, SetupAgainDropsEverythingButKeepsTheMaximum) {
  GridCache cache;
  ASSERT_EQ(cache.SetMaxByteSize(GridCache::kMaxMaxByteSize), 0);
  cache.Setup(4);
  cache.SetCellData(1, Caption(5));
  cache.Setup(8);
  EXPECT_EQ(cache.GetCount(), 8u);
  EXPECT_FALSE(cache.GetCellData(1).IsLoaded());
  EXPECT_EQ(cache.GetByteTotal(), 0u);
  cache.Cleanup();
  EXPECT_EQ(cache.GetCount(), 8u);
  EXPECT_EQ(cache.GetMaxByteSize(), GridCache::kMaxMaxByteSize);
}

} // namespace
