#include "util/ZVWorkerPool.h"

#include <new>
#include <system_error>
#include <utility>

ZVWorkerPool::ZVWorkerPool(unsigned threads) {
  try {
    fThreads.reserve(threads);
    for (unsigned i = 0; i < threads; ++i) {
      fThreads.emplace_back(&ZVWorkerPool::Work, this);
    }
  } catch (const std::system_error&) {
    // Fewer threads serve as well; none means callers run their tasks themselves.
  } catch (const std::bad_alloc&) {
  }
}

ZVWorkerPool::~ZVWorkerPool() {
  Stop();
}

unsigned ZVWorkerPool::CoreCount() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores > 0 ? cores : 1;
}

bool ZVWorkerPool::Submit(std::function<void()> task) {
  {
    const std::lock_guard<std::mutex> lock(fMutex);
    if (fStopping || fThreads.empty()) {
      return false;
    }
    try {
      fTasks.push_back(std::move(task));
    } catch (const std::bad_alloc&) {
      return false;
    }
  }
  fWake.notify_one();
  return true;
}

void ZVWorkerPool::Stop() {
  {
    const std::lock_guard<std::mutex> lock(fMutex);
    fStopping = true;
  }
  fWake.notify_all();
  for (std::thread& thread : fThreads) {
    if (thread.joinable()) {
      thread.join();
    }
  }
  fThreads.clear();
}

void ZVWorkerPool::Work() {
  for (;;) {
    std::function<void()> task;
    {
      std::unique_lock<std::mutex> lock(fMutex);
      fWake.wait(lock, [this] { return fStopping || !fTasks.empty(); });
      // Tasks handed over before the stop still run: someone may be waiting for them.
      if (fTasks.empty()) {
        return;
      }
      task = std::move(fTasks.front());
      fTasks.pop_front();
    }
    task();
  }
}
