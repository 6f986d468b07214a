// The plug-in object's generic part: lifecycle, command dispatch, the server side's registry of
// clients and its call channel, the client side's calls to the server, and the version texts.
#pragma once

#include <stdint.h>

#include "plugin/PlugInfo.h"
#include "plugin/ServerRecords.h"
#include "sdk/FourDPluginAPI.h"
#include "util/ZVList.h"

class CXParam;
class CXResult;

class FourDPlug {
public:
  explicit FourDPlug(PlugInfo* plugInfo);
  virtual ~FourDPlug();
  FourDPlug(const FourDPlug&) = delete;
  FourDPlug& operator=(const FourDPlug&) = delete;

  // Lifecycle and commands
  virtual void Init(FDPackInitBlock* initBlock);
  virtual void BigInit();
  virtual void Deinit();
  virtual void HandleProcessStart(int32_t process);
  virtual void HandleProcessEnd(int32_t process);
  virtual bool CommandNeedsBigInit(int32_t selector, CXParam* params, CXResult* result);
  virtual bool CanCallCommand(int32_t selector, CXParam* params, CXResult* result);
  virtual void HandleCommand(int32_t selector, CXParam* params, CXResult* result);
  // Server side
  virtual bool CanClientConnectOnServer(int32_t cookie);
  virtual void DoClientConnectOnServer(FourDClient* client);
  virtual void DoClientDisconnectOnServer(FourDClient* client);
  virtual void DoProcOnServer(FourDClient* client, int16_t selector, FDHandle data);
  // `result` is the call's reply slot; what the function stores there belongs to the call.
  virtual void DoFuncOnServer(FourDClient* client, int16_t selector, FDHandle data,
                              FDHandle* result);
  virtual bool TrackClientsOnServer() = 0;

  // Every selector the entry point receives, for the plug-in object `gFourDPlug`.
  static void PlugMain(int32_t selector, CXParam* params, CXResult* result, void* hostData);

  // Server side: the client registry and the call channel
  int32_t HandleClientConnectOnServer(const ReadWriteBlock* block); // 1 accept, 0 refuse
  void HandleClientDisconnectOnServer(const ReadWriteBlock* block);
  void* HandleReadOnServer(ReadWriteBlock* block);
  void HandleWriteOnServer(const ReadWriteBlock* block, const void* data);
  void HandleCleanupOnServer(const ReadWriteBlock* block, void* data);
  FourDClient* FindClient(int32_t cookie) const;
  FourDClient* FindClientOfProcess(int32_t process) const;
  ServerCall* FindServerCall(int32_t callID) const;
  int32_t CountClients() const;
  int32_t CountServerCalls() const;

  // Client side: each waits for a call in progress, then answers the host's error, -10003 when
  // the server handed out no call ID, or 55503 when the call ID was malformed. The byte forms
  // send a copy of `size` bytes (none for a null pointer). A function's reply belongs to the
  // caller.
  static int32_t CallProcOnServer(int16_t selector, FDHandle data);
  static int32_t CallFuncOnServer(int16_t selector, FDHandle data, FDHandle* reply);
  static int32_t CallProcOnServer(int16_t selector, const void* bytes, int32_t size);
  static int32_t CallFuncOnServer(int16_t selector, const void* bytes, int32_t size,
                                  FDHandle* reply);

  // Version texts from a packed version; P strings of at most 255 characters
  static void GetVersionString(uint32_t version, unsigned char* text);
  static void GetVersionCString(uint32_t version, char* text); // at least 256 bytes
  void GetProductVersionString(unsigned char* text) const;
  void GetProductFullName(unsigned char* text) const;
  void Get4DStyleVersion(unsigned char* text) const; // always 8 characters
  void GetVersion(unsigned char* hostStyle, unsigned char* fullName) const;

  const PlugInfo* GetPlugInfo() const { return fPlugInfo; }
  bool IsBigInitDone() const { return fBigInitDone; }
  int32_t GetLastCallID() const { return fLastCallID; }

protected:
  // Frees the registries; pending calls' handles go back to the host when it is still there.
  void ReleaseRegistries(bool disposeHostObjects);

  PlugInfo* fPlugInfo;
  bool fBigInitDone;
  int32_t fLastCallID;       // last call ID handed out, server side
  GenericList* fServerCalls; // of ServerCall, in arrival order
  GenericList* fClients;     // of FourDClient
  int32_t fReserved;
  GenericList* fCallIDReplies; // call-ID buffers handed to the host and not yet cleaned up

private:
  void DisconnectClient(FourDClient* client);
  void CreateRegistries();
  void SendClientIdentity();
};

extern FourDPlug* gFourDPlug;
