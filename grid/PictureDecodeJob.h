// One cell's picture on its way from encoded bytes to the bitmap the cell keeps. The calling
// thread fills it from the host and hands it over; a decoding worker sees nothing but this object,
// so an area that closes meanwhile loses only its own reference to it.
#pragma once

#include <stdint.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "gfx/PictureDecoder.h"
#include "grid/CellData.h"
#include "util/ZVPageBuffer.h"

class PictureDecodeJob {
public:
  PictureDecodeJob(ZVPageBuffer bytes, int32_t width, int32_t height, const PictureExtent& extent);
  PictureDecodeJob(const PictureDecodeJob&) = delete;
  PictureDecodeJob& operator=(const PictureDecodeJob&) = delete;

  // The decoding workers, one a core, shared by every area; made on first use.
  static void Start(const std::shared_ptr<PictureDecodeJob>& job);
  // Ends the workers (when the plug-in is unloaded); jobs handed over before still end.
  static void StopWorkers();
  static unsigned WorkerCount();
  // Off, every picture decodes on the calling thread as it is stored, as before there were
  // workers: the baseline the benchmarks measure the workers against. On by default.
  static void SetWorkersEnabled(bool enabled);
  static bool AreWorkersEnabled();

  // On any thread: decodes, unless abandoned or begun elsewhere first, and signals the end.
  void Run();
  // Whoever handed it over no longer wants it: a worker that has not begun skips it.
  void Abandon() { fAbandoned.store(true, std::memory_order_relaxed); }
  bool IsDone() const;
  // Runs it here unless a worker has begun it, then waits for its end: the calling thread
  // decodes too rather than wait idle.
  void Finish();

  // Once done: the bitmap for the cell (owned by the caller), or null when the bytes could not be
  // decoded.
  FDNativeImage* TakeImage();
  const PictureExtent& GetExtent() const { return fExtent; }
  bool CameFromThumbnail() const { return fPicture.fFromThumbnail; }

private:
  // Set on the calling thread before the job is handed over; then only the thread that runs it
  // reads them, and lets them go once decoded so that a result waiting to be stored holds only
  // its pixels.
  ZVPageBuffer fBytes;
  const int32_t fWidth;
  const int32_t fHeight;
  const PictureExtent fExtent;
  std::atomic<bool> fAbandoned{false};
  std::atomic<bool> fBegun{false};

  // Written by the thread that runs it, read once done.
  gfx::DecodedPicture fPicture;
  bool fDecoded = false;

  mutable std::mutex fMutex;
  mutable std::condition_variable fDoneSignal;
  bool fDone = false;
};
