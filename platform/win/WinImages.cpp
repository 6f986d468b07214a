#include "platform/win/WinImages.h"

#include <string.h>

#include <memory>
#include <vector>

#include "gfx/Bitmap.h"
#include "host/PluginPaths.h"
#include "platform/win/NativeCursors.h"

namespace {

constexpr PA_Unichar kPngMime[] = {'i', 'm', 'a', 'g', 'e', '/', 'p', 'n', 'g', 0};
constexpr PA_Unichar kTiffMime[] = {'i', 'm', 'a', 'g', 'e', '/', 't', 'i', 'f', 'f', 0};
constexpr ImageCodecInfo kEncoders[] = {{kPngMime, gfx::ImageEncoder::Png},
                                        {kTiffMime, gfx::ImageEncoder::Tiff}};

bool SameText(const PA_Unichar* a, const PA_Unichar* b) {
  while (*a != 0 && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

size_t Length(const PA_Unichar* text) {
  size_t length = 0;
  while (text[length] != 0) {
    ++length;
  }
  return length;
}

// The separator the folder's own path uses, so that the file's path reads as one of the platform.
PA_Unichar FolderSeparator(const PA_Unichar* folder, size_t length) {
  for (size_t i = length; i > 0; --i) {
    if (IsPathSeparator(folder[i - 1])) {
      return folder[i - 1];
    }
  }
  return '/';
}

} // namespace

const ImageCodecInfo* GetImageEncoders(size_t* count) {
  if (count != nullptr) {
    *count = sizeof kEncoders / sizeof kEncoders[0];
  }
  return kEncoders;
}

int GetEncoderClsid(const PA_Unichar* mimeType, gfx::ImageEncoder* clsid) {
  size_t count = 0;
  const ImageCodecInfo* encoders = GetImageEncoders(&count);
  return GetEncoderClsid(mimeType, clsid, encoders, count);
}

int GetEncoderClsid(const PA_Unichar* mimeType, gfx::ImageEncoder* clsid,
                    const ImageCodecInfo* encoders, size_t count) {
  if (count == 0) {
    return -1;
  }
  if (mimeType == nullptr || clsid == nullptr || encoders == nullptr) {
    return 0;
  }
  for (size_t i = 0; i < count; ++i) {
    if (encoders[i].MimeType != nullptr && SameText(encoders[i].MimeType, mimeType)) {
      *clsid = encoders[i].Clsid;
      return 1;
    }
  }
  return 0;
}

bool CreateDragCursorFromPNGFile(const PA_Unichar* path, DragCursor* cursor) {
  if (cursor == nullptr) {
    return false;
  }
  *cursor = DragCursor{};
  if (path == nullptr) {
    return false;
  }
  std::unique_ptr<gfx::Bitmap> bitmap = gfx::Bitmap::FromFile(path);
  if (bitmap == nullptr || bitmap->GetLastStatus() != gfx::Status::Ok) {
    return false;
  }
  const int32_t width = bitmap->GetWidth();
  const int32_t height = bitmap->GetHeight();
  std::vector<uint32_t> pixels;
  try {
    pixels.resize(size_t(width) * size_t(height));
  } catch (...) {
    return false;
  }
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      gfx::Color color;
      bitmap->GetPixel(x, y, &color);
      pixels[size_t(y) * size_t(width) + size_t(x)] = color.GetValue();
    }
  }
  // A cursor made from a picture takes the picture's centre as its hot spot.
  const int32_t hotX = width / 2;
  const int32_t hotY = height / 2;
  HCURSOR made = MakeCursorFromPixels(width, height, pixels.data(), hotX, hotY);
  if (made == nullptr) {
    return false;
  }
  *cursor = DragCursor{made, false, hotX, hotY};
  return true;
}

bool CreateDragCursorFromPNGResourceFile(const PA_Unichar* fileName, DragCursor* cursor) {
  if (cursor == nullptr) {
    return false;
  }
  *cursor = DragCursor{};
  const PA_Unichar* folder = GetPluginBundleResourcesFolderPath();
  if (folder == nullptr || fileName == nullptr) {
    return false;
  }
  const size_t folderLength = Length(folder);
  const size_t nameLength = Length(fileName);
  std::vector<PA_Unichar> path;
  try {
    path.resize(folderLength + 1 + nameLength + 1);
  } catch (...) {
    return false;
  }
  memcpy(path.data(), folder, folderLength * sizeof(PA_Unichar));
  size_t at = folderLength;
  if (at > 0 && !IsPathSeparator(path[at - 1]) &&
      (nameLength == 0 || !IsPathSeparator(fileName[0]))) {
    path[at++] = FolderSeparator(folder, folderLength);
  }
  memcpy(path.data() + at, fileName, nameLength * sizeof(PA_Unichar));
  path[at + nameLength] = 0;
  return CreateDragCursorFromPNGFile(path.data(), cursor);
}

HCURSOR DragCursorOrSizeAll(const DragCursor& cursor) {
  return cursor.fCursor != nullptr ? cursor.fCursor : GetSizeAllCursor();
}
