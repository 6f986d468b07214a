#include "plugin/ServerRecords.h"

#include <string.h>

#include "host/FourD.h"
#include "host/HostText.h"

namespace {

enum { kMaxNameUnits = 255 };

// Reads one name at `offset`, advancing it; false when the name runs past the end.
bool ReadName(const unsigned char* bytes, int32_t size, int32_t& offset, PA_Unichar* name) {
  if (offset >= size) {
    return false;
  }
  const int32_t units = bytes[offset];
  const int32_t byteCount = units * static_cast<int32_t>(sizeof(PA_Unichar));
  if (size - offset - 1 < byteCount) {
    return false;
  }
  memcpy(name, bytes + offset + 1, byteCount);
  name[units] = 0;
  offset += 1 + byteCount;
  return true;
}

int32_t NameUnits(const PA_Unichar* name) {
  const size_t units = FourD::UniLength(name);
  return units > kMaxNameUnits ? kMaxNameUnits : static_cast<int32_t>(units);
}

unsigned char* WriteName(unsigned char* out, const PA_Unichar* name) {
  const int32_t units = NameUnits(name);
  *out++ = static_cast<unsigned char>(units);
  if (units > 0) {
    memcpy(out, name, units * sizeof(PA_Unichar));
  }
  return out + units * sizeof(PA_Unichar);
}

} // namespace

bool ReadIdentityMessage(const void* data, int32_t size, FourDClient* client) {
  if (data == nullptr || size <= 0) {
    return false;
  }
  const auto* bytes = static_cast<const unsigned char*>(data);
  PA_Unichar owner[kClientNameUnits];
  PA_Unichar machine[kClientNameUnits];
  PA_Unichar user[kClientNameUnits];
  int32_t offset = 0;
  if (!ReadName(bytes, size, offset, owner) || !ReadName(bytes, size, offset, machine) ||
      !ReadName(bytes, size, offset, user)) {
    return false;
  }
  memcpy(client->fMachineOwner, owner, sizeof owner);
  memcpy(client->fMachineName, machine, sizeof machine);
  memcpy(client->fUserName, user, sizeof user);
  return true;
}

FDHandle MakeIdentityMessage(const PA_Unichar* owner, const PA_Unichar* machine,
                             const PA_Unichar* user) {
  const int32_t size = 3 + static_cast<int32_t>(sizeof(PA_Unichar)) *
                               (NameUnits(owner) + NameUnits(machine) + NameUnits(user));
  FDHandle message = FourD::NewHandle(size);
  if (message == nullptr) {
    return nullptr;
  }
  unsigned char* out = reinterpret_cast<unsigned char*>(*message);
  out = WriteName(out, owner);
  out = WriteName(out, machine);
  WriteName(out, user);
  return message;
}
