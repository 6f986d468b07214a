// On Windows the run's windows are real and shown from the start: the live display over them
// brings a person's input in them to the areas.
#include "LiveWindows.h"

#include "zvhost/LiveDisplay.h"

struct LiveWindows::Impl {
  bool open = false;
};

LiveWindows::LiveWindows() : fImpl(std::make_unique<Impl>()) {}

LiveWindows::~LiveWindows() {
  if (fImpl->open) {
    zvhost::SetLiveDisplay(nullptr);
  }
}

bool LiveWindows::Open(std::string* /*message*/) {
  zvhost::SetLiveDisplay(&zvhost::RealWindowsDisplay());
  fImpl->open = true;
  return true;
}

bool LiveWindows::IsOpen() const {
  return fImpl->open;
}

int LiveWindows::Run(std::string* message) {
  return zvhost::RunLiveWindows(message);
}
