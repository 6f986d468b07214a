#include "Pictures.h"

#include <cstring>

#include "ObjectStore.h"

namespace zvhost {

int CreatePicture(const void* bytes, int32_t byteCount, FDPicture* out) {
  *out = nullptr;
  if (bytes == nullptr || byteCount <= 0) {
    return kFDErrBadParameter;
  }
  const auto* first = static_cast<const uint8_t*>(bytes);
  return AdoptPictureBytes(PictureBytes(first, first + byteCount), out);
}

int AdoptPictureBytes(PictureBytes&& bytes, FDPicture* out) {
  *out = nullptr;
  if (bytes.empty() || bytes.size() > static_cast<size_t>(INT32_MAX)) {
    return kFDErrBadParameter;
  }
  auto data = std::make_shared<PictureData>();
  if (!ReadImageInfo(bytes.data(), bytes.size(), &data->fInfo)) {
    return kFDErrBadParameter;
  }
  data->fBytes = std::move(bytes);
  auto* picture = new FDPictureRec{std::move(data)};
  Objects().AddPicture(picture);
  *out = picture;
  return kFDErrNone;
}

bool IsPicture(FDPicture picture) {
  return picture != nullptr && Objects().IsPicture(picture);
}

int DuplicatePicture(FDPicture picture, FDPicture* out) {
  *out = nullptr;
  if (!IsPicture(picture)) {
    return kFDErrBadParameter;
  }
  auto* copy = new FDPictureRec{picture->fData};
  Objects().AddPicture(copy);
  *out = copy;
  return kFDErrNone;
}

int DisposePicture(FDPicture picture) {
  if (picture == nullptr) {
    return kFDErrNone;
  }
  if (!IsPicture(picture)) {
    return kFDErrBadParameter;
  }
  Objects().DisposePicture(picture);
  return kFDErrNone;
}

int32_t PictureByteSize(FDPicture picture) {
  return IsPicture(picture) ? static_cast<int32_t>(picture->fData->fBytes.size()) : 0;
}

bool PictureDimensions(FDPicture picture, int32_t* width, int32_t* height) {
  *width = 0;
  *height = 0;
  if (!IsPicture(picture)) {
    return false;
  }
  *width = picture->fData->fInfo.width;
  *height = picture->fData->fInfo.height;
  return true;
}

int CreateNativeImage(FDPicture picture, FDNativeImage** out) {
  *out = nullptr;
  if (!IsPicture(picture)) {
    return kFDErrBadParameter;
  }
  const PictureData& data = *picture->fData;
  ImageInfo info;
  std::vector<uint32_t> pixels;
  if (!DecodeImage(data.fBytes.data(), data.fBytes.size(), &info, &pixels)) {
    return kFDErrBadParameter;
  }
  auto image = std::make_unique<FDNativeImage>(
      FDNativeImage{info.width, info.height, info.width * 4, nullptr});
  auto buffer = std::make_unique<uint32_t[]>(pixels.size());
  std::memcpy(buffer.get(), pixels.data(), pixels.size() * sizeof(uint32_t));
  image->fPixels = buffer.release();
  *out = image.release();
  Objects().AddNativeImage(*out);
  return kFDErrNone;
}

int DisposeNativeImage(FDNativeImage* image) {
  if (image == nullptr) {
    return kFDErrNone;
  }
  if (!Objects().IsNativeImage(image)) {
    return kFDErrBadParameter;
  }
  Objects().DisposeNativeImage(image);
  return kFDErrNone;
}

} // namespace zvhost
