// What zorvi-host --window shows the run's windows on, for as long as the run lasts, and the
// event loop through which a person drives them once main has returned.
#pragma once

#include <memory>
#include <string>

class LiveWindows {
public:
  LiveWindows();
  ~LiveWindows();
  LiveWindows(const LiveWindows&) = delete;
  LiveWindows& operator=(const LiveWindows&) = delete;

  // False with a message when there is no display to show them on.
  bool Open(std::string* message);
  bool IsOpen() const;
  // Until a person closes the last window; same answers as zvhost::RunMethod.
  int Run(std::string* message);

private:
  struct Impl;
  std::unique_ptr<Impl> fImpl;
};
