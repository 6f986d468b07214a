// On Windows the run's windows are real and shown from the start: --window only keeps them up,
// in the window system's message loop, until a person closes the process window.
#include "LiveWindows.h"

#include "zvhost/LiveDisplay.h"

struct LiveWindows::Impl {
  bool open = false;
};

LiveWindows::LiveWindows() : fImpl(std::make_unique<Impl>()) {}

LiveWindows::~LiveWindows() = default;

bool LiveWindows::Open(std::string* /*message*/) {
  fImpl->open = true;
  return true;
}

bool LiveWindows::IsOpen() const {
  return fImpl->open;
}

int LiveWindows::Run(std::string* message) {
  return zvhost::RunLiveWindows(message);
}
