// The live windows over SDL: the emulator presents its surfaces there and reads a person's input.
#include "LiveWindows.h"

#include "hostsim/sdl/SdlDisplay.h"
#include "zvhost/LiveDisplay.h"

struct LiveWindows::Impl {
  std::unique_ptr<zvhost::SdlDisplay> display;
};

LiveWindows::LiveWindows() : fImpl(std::make_unique<Impl>()) {}

LiveWindows::~LiveWindows() {
  if (fImpl->display) {
    zvhost::SetLiveDisplay(nullptr);
  }
}

bool LiveWindows::Open(std::string* message) {
  fImpl->display = zvhost::SdlDisplay::Open(message);
  if (fImpl->display) {
    zvhost::SetLiveDisplay(fImpl->display.get());
  }
  return fImpl->display != nullptr;
}

bool LiveWindows::IsOpen() const {
  return fImpl->display != nullptr;
}

int LiveWindows::Run(std::string* message) {
  return zvhost::RunLiveWindows(message);
}
