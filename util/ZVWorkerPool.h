// A fixed set of worker threads that run tasks in the order they are handed over. Tasks own what
// they work on: the pool runs them, nothing more. Made, fed and stopped from one thread.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class ZVWorkerPool {
public:
  // At least one thread when threads can be made at all; fewer than asked when some cannot.
  explicit ZVWorkerPool(unsigned threads);
  // Stop.
  ~ZVWorkerPool();
  ZVWorkerPool(const ZVWorkerPool&) = delete;
  ZVWorkerPool& operator=(const ZVWorkerPool&) = delete;

  // One a core (at least one).
  static unsigned CoreCount();

  // False when the pool has no thread or has stopped: the caller runs the task itself.
  bool Submit(std::function<void()> task);
  // Runs every task handed over, then ends the threads.
  void Stop();
  unsigned GetThreadCount() const { return static_cast<unsigned>(fThreads.size()); }

private:
  void Work();

  std::vector<std::thread> fThreads;
  std::mutex fMutex;
  std::condition_variable fWake;
  std::deque<std::function<void()>> fTasks; // guarded by fMutex
  bool fStopping = false;                   // guarded by fMutex
};
