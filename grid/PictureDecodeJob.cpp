#include "grid/PictureDecodeJob.h"

#include <new>
#include <utility>

#include "util/ZVWorkerPool.h"

namespace {

std::unique_ptr<ZVWorkerPool>& Workers() {
  static std::unique_ptr<ZVWorkerPool> workers;
  return workers;
}

} // namespace

void PictureDecodeJob::Start(const std::shared_ptr<PictureDecodeJob>& job) {
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
}

unsigned PictureDecodeJob::WorkerCount() {
  return Workers() != nullptr ? Workers()->GetThreadCount() : 0;
}

PictureDecodeJob::PictureDecodeJob(std::vector<uint8_t> bytes, int32_t width, int32_t height,
                                   const PictureExtent& extent)
    : fBytes(std::move(bytes)), fWidth(width), fHeight(height), fExtent(extent) {}

void PictureDecodeJob::Run() {
  if (fBegun.exchange(true)) {
    return;
  }
  if (!fAbandoned.load(std::memory_order_relaxed)) {
    try {
      fDecoded = gfx::DecodePictureForSize(fBytes.data(), fBytes.size(), fWidth, fHeight,
                                           &fPicture) == gfx::DecodeResult::Ok;
    } catch (const std::bad_alloc&) {
      fPicture = gfx::DecodedPicture{};
      fDecoded = false;
    }
  }
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
  if (!fDecoded || fPicture.fPixels == nullptr) {
    return nullptr;
  }
  auto* image = new (std::nothrow)
      FDNativeImage{fPicture.fWidth, fPicture.fHeight, fPicture.fWidth * 4, nullptr};
  if (image == nullptr) {
    return nullptr;
  }
  image->fPixels = fPicture.fPixels.release();
  fDecoded = false;
  return image;
}
