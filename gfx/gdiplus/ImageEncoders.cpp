// PNG and TIFF through GDI+'s own encoders, written into a memory stream.
#include <new>

#include "gfx/ImageEncoding.h"
#include "gfx/gdiplus/GdiplusNatives.h"

namespace gfx {

namespace {

bool FindEncoderClsid(const WCHAR* mimeType, CLSID* clsid) {
  UINT count = 0;
  UINT size = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) {
    return false;
  }
  std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[size]);
  if (!buffer) {
    return false;
  }
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.get());
  if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) {
    return false;
  }
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType && lstrcmpW(codecs[i].MimeType, mimeType) == 0) {
      *clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

Status Encode(const Bitmap& bitmap, const WCHAR* mimeType, std::vector<uint8_t>* bytes) {
  Gdiplus::Bitmap* native = GdiplusBitmap(&bitmap);
  if (!native || !bytes) {
    return Status::InvalidParameter;
  }
  CLSID clsid;
  if (!FindEncoderClsid(mimeType, &clsid)) {
    return Status::UnknownImageFormat;
  }
  IStream* stream = nullptr;
  if (CreateStreamOnHGlobal(nullptr, TRUE, &stream) != S_OK || !stream) {
    return Status::OutOfMemory;
  }
  Status status = Status::EncoderFailed;
  if (native->Save(stream, &clsid, nullptr) == Gdiplus::Ok) {
    STATSTG stat = {};
    HGLOBAL memory = nullptr;
    if (stream->Stat(&stat, STATFLAG_NONAME) == S_OK &&
        GetHGlobalFromStream(stream, &memory) == S_OK) {
      const size_t size = size_t(stat.cbSize.QuadPart);
      const auto* data = static_cast<const uint8_t*>(GlobalLock(memory));
      if (data) {
        try {
          bytes->assign(data, data + size);
          status = Status::Ok;
        } catch (const std::bad_alloc&) {
          status = Status::OutOfMemory;
        }
        GlobalUnlock(memory);
      }
    }
  }
  stream->Release();
  return status;
}

} // namespace

Status EncodePng(const Bitmap& bitmap, std::vector<uint8_t>* bytes) {
  return Encode(bitmap, L"image/png", bytes);
}

Status EncodeTiff(const Bitmap& bitmap, std::vector<uint8_t>* bytes) {
  return Encode(bitmap, L"image/tiff", bytes);
}

} // namespace gfx
