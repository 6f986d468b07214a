#include "host/FourD.h"
#include "host/HostCall.h"

namespace FourD {

void* fPluginInstance = nullptr;
void* fProcessHandle = nullptr;
char fPluginFilePath[260] = "";
char fPluginDir[260] = "";
char fProcessFilePath[260] = "";
void* fProcessWindow = nullptr;
void* fAppInstance = nullptr;

uint32_t fVersion = 0;
FDCallBack fCallBack11Address = nullptr;
int16_t fProcResId = 0;
uint32_t fProgramInfo = 0;
int32_t fStartupProcess = 0;
void* fBuggyStandardWindowCompat = nullptr;

namespace {

// What the plug-in tells the host about the interface it speaks.
constexpr uint32_t kPluginReply = 0x1400;

} // namespace

int16_t CallHost(int16_t selector, FDEngineBlock& block) {
  if (fCallBack11Address == nullptr) {
    return kFDErrNotAvailable;
  }
  fCallBack11Address(selector, &block);
  return block.fError;
}

void Init(FDPackInitBlock* initBlock) {
  if (initBlock == nullptr) {
    return;
  }
  initBlock->fPluginReply = kPluginReply;
  fVersion = initBlock->fHostVersion & 0xFFFF;
  fCallBack11Address = initBlock->fCallBack;
  if (GetPluginResourceID(&fProcResId) != kFDErrNone) {
    fProcResId = 0;
  }
  if (GetProgramFlags(&fProgramInfo) != kFDErrNone) {
    fProgramInfo = 0;
  }
  fStartupProcess = CurrentProcess();
  // No floating-window compatibility is needed on this platform.
  fBuggyStandardWindowCompat = nullptr;
}

// Host objects may still be released after deinitialisation (areas deleted at unload), so the
// entry stays usable for as long as the library is loaded.
void Deinit() {}

bool IsInitialized() {
  return fCallBack11Address != nullptr;
}

} // namespace FourD
