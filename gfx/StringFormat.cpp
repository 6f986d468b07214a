#include "gfx/StringFormat.h"

#include <new>

namespace gfx {

namespace {

bool ValidAlignment(StringAlignment alignment) {
  return alignment >= StringAlignmentNear && alignment <= StringAlignmentFar;
}

} // namespace

StringFormat::StringFormat(int flags) : fFlags(flags) {}

const StringFormat* StringFormat::GenericDefault() {
  static const StringFormat sDefault;
  return &sDefault;
}

const StringFormat* StringFormat::GenericTypographic() {
  static const StringFormat sTypographic = [] {
    StringFormat format(StringFormatFlagsLineLimit | StringFormatFlagsNoClip);
    format.SetTrimming(StringTrimmingNone);
    return format;
  }();
  return &sTypographic;
}

std::unique_ptr<StringFormat> StringFormat::Clone() const {
  return std::unique_ptr<StringFormat>(new (std::nothrow) StringFormat(*this));
}

Status StringFormat::SetAlignment(StringAlignment alignment) {
  if (!ValidAlignment(alignment)) {
    return Status::InvalidParameter;
  }
  fAlignment = alignment;
  return Status::Ok;
}

Status StringFormat::SetLineAlignment(StringAlignment alignment) {
  if (!ValidAlignment(alignment)) {
    return Status::InvalidParameter;
  }
  fLineAlignment = alignment;
  return Status::Ok;
}

Status StringFormat::SetFormatFlags(int flags) {
  fFlags = flags;
  return Status::Ok;
}

Status StringFormat::SetTrimming(StringTrimming trimming) {
  if (trimming < StringTrimmingNone || trimming > StringTrimmingEllipsisPath) {
    return Status::InvalidParameter;
  }
  fTrimming = trimming;
  return Status::Ok;
}

} // namespace gfx
