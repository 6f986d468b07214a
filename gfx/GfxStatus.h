// Outcome of every drawing-layer operation. Failures are values, never exceptions; an object that
// failed to build keeps its status and does nothing when used.
#pragma once

namespace gfx {

enum class Status {
  Ok = 0,
  GenericError,
  InvalidParameter,
  OutOfMemory,
  WrongState,         // the object was never built, or a lock is already held
  FileNotFound,       // also: a file that is not a readable image
  UnknownImageFormat, // no encoder for the requested format
  FontFamilyNotFound, // no font at all could be resolved
  EncoderFailed,
};

} // namespace gfx
