#include "grid/PictureDecodeJob.h"

#include <algorithm>
#include <new>
#include <utility>

#include "util/ZVWorkerPool.h"

namespace {

std::unique_ptr<ZVWorkerPool>& Workers() {
  static std::unique_ptr<ZVWorkerPool> workers;
  return workers;
}

bool gWorkersEnabled = true;

} // namespace

void PictureDecodeJob::Start(const std::shared_ptr<PictureDecodeJob>& job) {
  if (!gWorkersEnabled) {
    return;
  }
  std::unique_ptr<ZVWorkerPool>& workers = Workers();
  if (workers == nullptr) {
    workers.reset(new (std::nothrow) ZVWorkerPool(ZVWorkerPool::CoreCount()));
  }
  // A job no worker takes is run by Finish on the calling thread.
  if (workers != nullptr) {
    try {
      workers->Submit([job] { job->Run(); });
    } catch (const std::bad_alloc&) {
    }
  }
}

void PictureDecodeJob::StopWorkers() {
  Workers().reset();
  ZVPageBuffer::ReleaseKept();
}

void PictureDecodeJob::SetWorkersEnabled(bool enabled) {
  gWorkersEnabled = enabled;
}

bool PictureDecodeJob::AreWorkersEnabled() {
  return gWorkersEnabled;
}

unsigned PictureDecodeJob::WorkerCount() {
  return Workers() != nullptr ? Workers()->GetThreadCount() : 0;
}

PictureDecodeJob::PictureDecodeJob(ZVPageBuffer bytes, int32_t width, int32_t height,
                                   const PictureExtent& extent)
    : fBytes(std::move(bytes)), fWidth(width), fHeight(height), fExtent(extent) {}

void PictureDecodeJob::Run() {
  if (fBegun.exchange(true)) {
    return;
  }
  if (!fAbandoned.load(std::memory_order_relaxed)) {
    try {
      fDecoded = gfx::DecodePictureForSize(fBytes.GetData(), fBytes.GetSize(), fWidth, fHeight,
                                           &fPicture) == gfx::DecodeResult::Ok;
    } catch (const std::bad_alloc&) {
      fPicture = gfx::DecodedPicture{};
      fDecoded = false;
    }
  }
  fBytes.Reset();
  const std::lock_guard<std::mutex> lock(fMutex);
  fDone = true;
  fDoneSignal.notify_all();
}

bool PictureDecodeJob::IsDone() const {
  const std::lock_guard<std::mutex> lock(fMutex);
  return fDone;
}

void PictureDecodeJob::Finish() {
  Run();
  std::unique_lock<std::mutex> lock(fMutex);
  fDoneSignal.wait(lock, [this] { return fDone; });
}

FDNativeImage* PictureDecodeJob::TakeImage() {
  if (!fDecoded || fPicture.fPixels.IsEmpty()) {
    return nullptr;
  }
  fDecoded = false;
  // The bitmap the cell keeps comes from the calling thread's heap, where the cache's bitmaps
  // live whichever way they were decoded; the worker's mapping goes back to the system now.
  const size_t count = size_t(fPicture.fWidth) * size_t(fPicture.fHeight);
  auto* image = new (std::nothrow)
      FDNativeImage{fPicture.fWidth, fPicture.fHeight, fPicture.fWidth * 4, nullptr};
  if (image != nullptr) {
    image->fPixels = new (std::nothrow) uint32_t[count];
    if (image->fPixels != nullptr) {
      std::copy(fPicture.GetPixels(), fPicture.GetPixels() + count, image->fPixels);
    } else {
      delete image;
      image = nullptr;
    }
  }
  fPicture = gfx::DecodedPicture{};
  return image;
}
