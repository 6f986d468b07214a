// The decoding workers: tasks handed over all run, even when the pool stops with some queued;
// jobs decode the same pixels on a worker as on the calling thread, exactly once when both reach
// for them; abandoned jobs are dropped by whoever holds them last. Built with ThreadSanitizer as
// well (.ci/run), which checks the hand-over.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "grid/PictureDecodeJob.h"
#include "tests/photos/TestPhotos.h"
#include "util/ZVPageBuffer.h"
#include "util/ZVWorkerPool.h"

namespace {

std::vector<uint8_t> PhotoBytes(uint32_t seed) {
  const std::string path = ::testing::TempDir() + "pool_photo_" + std::to_string(getpid()) + ".jpg";
  EXPECT_TRUE(testphotos::WritePhoto(path, 640, 480, seed, {160, 120, 0}));
  std::ifstream file(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                             std::istreambuf_iterator<char>());
  std::filesystem::remove(path);
  return bytes;
}

std::shared_ptr<PictureDecodeJob> NewJob(const std::vector<uint8_t>& photo, int32_t width,
                                         int32_t height) {
  ZVPageBuffer bytes;
  EXPECT_TRUE(bytes.Allocate(photo.size()));
  std::copy(photo.begin(), photo.end(), bytes.GetData());
  return std::make_shared<PictureDecodeJob>(std::move(bytes), width, height, PictureExtent{});
}

TEST(DecodingPool, EveryTaskHandedOverRunsEvenWhenThePoolStops) {
  std::atomic<int> ran{0};
  {
    ZVWorkerPool pool(ZVWorkerPool::CoreCount());
    ASSERT_GE(pool.GetThreadCount(), 1u);
    for (int i = 0; i < 500; ++i) {
      ASSERT_TRUE(pool.Submit([&ran] { ran.fetch_add(1); }));
    }
    pool.Stop();
    EXPECT_EQ(ran.load(), 500);
    EXPECT_FALSE(pool.Submit([&ran] { ran.fetch_add(1); })) << "a stopped pool takes nothing";
  }
  EXPECT_EQ(ran.load(), 500);
}

TEST(DecodingPool, JobsDecodeOnceWhereverTheyRunAndAbandonedOnesAreDropped) {
  const std::vector<uint8_t> photo = PhotoBytes(3);
  // The reference: decoded on this thread alone. 200 x 150 asks for the photo, 120 x 90 for its
  // preview.
  std::vector<std::shared_ptr<PictureDecodeJob>> jobs;
  for (int i = 0; i < 24; ++i) {
    const int32_t width = i % 2 == 0 ? 200 : 120;
    jobs.push_back(NewJob(photo, width, width * 3 / 4));
  }
  auto reference = NewJob(photo, 200, 150);
  reference->Finish();
  FDNativeImage* expected = reference->TakeImage();
  ASSERT_NE(expected, nullptr);

  // Handed to the workers, and finished here at once: this thread decodes what no worker began.
  for (const auto& job : jobs) {
    PictureDecodeJob::Start(job);
  }
  EXPECT_GE(PictureDecodeJob::WorkerCount(), 1u);
  for (size_t i = 0; i < jobs.size(); ++i) {
    jobs[i]->Finish();
    ASSERT_TRUE(jobs[i]->IsDone());
    EXPECT_EQ(jobs[i]->CameFromThumbnail(), i % 2 == 1);
    FDNativeImage* image = jobs[i]->TakeImage();
    ASSERT_NE(image, nullptr) << i;
    EXPECT_EQ(jobs[i]->TakeImage(), nullptr) << "taken once";
    if (i % 2 == 0) {
      ASSERT_EQ(image->fWidth, expected->fWidth);
      ASSERT_EQ(image->fHeight, expected->fHeight);
      EXPECT_TRUE(std::equal(image->fPixels,
                             image->fPixels + size_t(image->fWidth) * size_t(image->fHeight),
                             expected->fPixels))
          << i;
    }
    delete[] image->fPixels;
    delete image;
  }
  delete[] expected->fPixels;
  delete expected;

  // Abandoned and let go at once, as a closing area does: the workers drop them.
  for (int i = 0; i < 40; ++i) {
    auto job = NewJob(photo, 200, 150);
    PictureDecodeJob::Start(job);
    job->Abandon();
  }
  PictureDecodeJob::StopWorkers();
  EXPECT_EQ(PictureDecodeJob::WorkerCount(), 0u);
}

TEST(DecodingPool, WithTheWorkersOffJobsDecodeOnTheCallingThread) {
  const std::vector<uint8_t> photo = PhotoBytes(4);
  PictureDecodeJob::SetWorkersEnabled(false);
  auto job = NewJob(photo, 200, 150);
  PictureDecodeJob::Start(job);
  EXPECT_FALSE(job->IsDone()) << "no worker took it";
  EXPECT_EQ(PictureDecodeJob::WorkerCount(), 0u);
  job->Finish();
  FDNativeImage* image = job->TakeImage();
  PictureDecodeJob::SetWorkersEnabled(true);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->fWidth, 200);
  EXPECT_EQ(image->fHeight, 150);
  delete[] image->fPixels;
  delete image;
}

TEST(PageBuffer, HoldsWhatIsWrittenMovesWholeAndRefusesNothing) {
  ZVPageBuffer buffer;
  EXPECT_FALSE(buffer.Allocate(0));
  EXPECT_TRUE(buffer.IsEmpty());
  ASSERT_TRUE(buffer.Allocate(3 * 4096 + 5));
  std::fill(buffer.GetData(), buffer.GetData() + buffer.GetSize(), uint8_t{0xA5});
  ZVPageBuffer moved(std::move(buffer));
  EXPECT_TRUE(buffer.IsEmpty());
  EXPECT_EQ(buffer.GetSize(), 0u);
  ASSERT_EQ(moved.GetSize(), 3u * 4096 + 5);
  EXPECT_EQ(moved.GetData()[moved.GetSize() - 1], 0xA5);
  buffer = std::move(moved);
  EXPECT_EQ(buffer.GetData()[0], 0xA5);
  buffer.Reset();
  EXPECT_TRUE(buffer.IsEmpty());

  // Large mappings let go serve the next buffers that fit them, whole and writable.
  for (const size_t size : {size_t{5} << 20, size_t{3} << 20, size_t{4} << 20, size_t{6} << 20}) {
    ASSERT_TRUE(buffer.Allocate(size));
    ASSERT_EQ(buffer.GetSize(), size);
    std::fill(buffer.GetData(), buffer.GetData() + size, uint8_t(size >> 20));
    EXPECT_EQ(buffer.GetData()[size - 1], uint8_t(size >> 20));
  }
  buffer.Reset();
  ZVPageBuffer::ReleaseKept();
}

} // namespace
