// A plug-in object that records what the frame asks of it, installed in place of the product's
// for the length of a test.
#pragma once

#include <string.h>

#include <string>
#include <vector>

#include "host/FourD.h"
#include "plugin/ZorviPlug.h"

class RecordingPlug : public ZorviPlug {
public:
  RecordingPlug() : ZorviPlug(&gPlugInfo) {
    fPrevious = gFourDPlug;
    gFourDPlug = this;
  }
  ~RecordingPlug() override {
    gFourDPlug = fPrevious;
    ReleaseRegistries(FourD::IsInitialized());
  }

  void HandleProcessStart(int32_t process) override { fStarted.push_back(process); }
  void HandleProcessEnd(int32_t process) override {
    fEnded.push_back(process);
    ZorviPlug::HandleProcessEnd(process);
  }
  bool CanClientConnectOnServer(int32_t cookie) override { return cookie != fRefusedCookie; }
  void DoClientConnectOnServer(FourDClient* client) override {
    fConnected.push_back(client->fCookie);
  }
  void DoClientDisconnectOnServer(FourDClient* client) override {
    fDisconnected.push_back(client->fCookie);
  }
  void DoProcOnServer(FourDClient*, int16_t selector, FDHandle data) override {
    fProcSelectors.push_back(selector);
    fProcData.push_back(Bytes(data));
  }
  // Answers with the arguments reversed.
  void DoFuncOnServer(FourDClient*, int16_t selector, FDHandle data, FDHandle* result) override {
    fFuncSelectors.push_back(selector);
    std::string reply = Bytes(data);
    reply.assign(reply.rbegin(), reply.rend());
    if (fAnswerFunctions) {
      *result = FourD::NewHandle(static_cast<int32_t>(reply.size()));
      memcpy(*(*result), reply.data(), reply.size());
    }
  }

  void SetLastCallID(int32_t id) { fLastCallID = id; }

  static std::string Bytes(FDHandle handle) {
    if (handle == nullptr) {
      return "<null>";
    }
    return std::string(*handle, FourD::GetHandleSize(handle));
  }

  int32_t fRefusedCookie = -1;
  bool fAnswerFunctions = true;
  std::vector<int32_t> fStarted, fEnded, fConnected, fDisconnected;
  std::vector<int16_t> fProcSelectors, fFuncSelectors;
  std::vector<std::string> fProcData;

private:
  FourDPlug* fPrevious;
};
