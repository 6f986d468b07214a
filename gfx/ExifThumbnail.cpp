#include "gfx/JpegDecoding.h"

#include <string.h>

namespace gfx {

namespace {

uint32_t Read16(const uint8_t* p, bool bigEndian) {
  return bigEndian ? uint32_t(p[0]) << 8 | p[1] : uint32_t(p[1]) << 8 | p[0];
}

uint32_t Read32(const uint8_t* p, bool bigEndian) {
  return bigEndian ? Read16(p, true) << 16 | Read16(p + 2, true)
                   : Read16(p + 2, false) << 16 | Read16(p, false);
}

constexpr uint32_t kIfdEntryBytes = 12;

// The offset of the image file directory after the one at `ifd`, 0 when there is none.
uint32_t NextIfd(const uint8_t* tiff, size_t size, uint32_t ifd, bool bigEndian) {
  if (uint64_t{ifd} + 2 > size) {
    return 0;
  }
  const uint64_t end = uint64_t{ifd} + 2 + uint64_t{Read16(tiff + ifd, bigEndian)} * kIfdEntryBytes;
  return end + 4 <= size ? Read32(tiff + end, bigEndian) : 0;
}

// The JPEG preview that the second directory of an EXIF block's TIFF structure points at.
bool ThumbnailInTiff(const uint8_t* tiff, size_t size, const uint8_t** thumbnail,
                     size_t* thumbnailSize) {
  if (size < 8 || !((tiff[0] == 'I' && tiff[1] == 'I') || (tiff[0] == 'M' && tiff[1] == 'M'))) {
    return false;
  }
  const bool big = tiff[0] == 'M';
  if (Read16(tiff + 2, big) != 42) {
    return false;
  }
  const uint32_t second = NextIfd(tiff, size, Read32(tiff + 4, big), big);
  if (second == 0 || uint64_t{second} + 2 > size) {
    return false;
  }
  const uint32_t entries = Read16(tiff + second, big);
  uint64_t offset = 0;
  uint64_t length = 0;
  for (uint32_t i = 0; i < entries; ++i) {
    const uint64_t at = uint64_t{second} + 2 + uint64_t{i} * kIfdEntryBytes;
    if (at + kIfdEntryBytes > size) {
      return false;
    }
    const uint8_t* entry = tiff + at;
    const uint32_t tag = Read16(entry, big);
    const uint32_t type = Read16(entry + 2, big);
    const uint32_t value = type == 3 ? Read16(entry + 8, big) : Read32(entry + 8, big);
    if (tag == 0x0201) {
      offset = value;
    } else if (tag == 0x0202) {
      length = value;
    }
  }
  if (offset == 0 || length < 4 || offset + length > size ||
      !IsJpegData(tiff + offset, size_t(length))) {
    return false;
  }
  *thumbnail = tiff + offset;
  *thumbnailSize = size_t(length);
  return true;
}

} // namespace

bool IsJpegData(const uint8_t* bytes, size_t size) {
  return bytes != nullptr && size >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

bool FindExifThumbnail(const uint8_t* bytes, size_t size, const uint8_t** thumbnail,
                       size_t* thumbnailSize) {
  if (!IsJpegData(bytes, size)) {
    return false;
  }
  // The marker segments before the first scan; the EXIF block is among them.
  size_t at = 2;
  while (at + 4 <= size) {
    if (bytes[at] != 0xFF) {
      return false;
    }
    const uint8_t marker = bytes[at + 1];
    if (marker == 0xFF) {
      ++at; // fill byte
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) {
      return false;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      at += 2; // markers without a length
      continue;
    }
    const size_t length = Read16(bytes + at + 2, true);
    if (length < 2 || at + 2 + length > size) {
      return false;
    }
    static const uint8_t kExif[6] = {'E', 'x', 'i', 'f', 0, 0};
    if (marker == 0xE1 && length >= 2 + sizeof kExif + 8 &&
        memcmp(bytes + at + 4, kExif, sizeof kExif) == 0 &&
        ThumbnailInTiff(bytes + at + 4 + sizeof kExif, length - 2 - sizeof kExif, thumbnail,
                        thumbnailSize)) {
      return true;
    }
    at += 2 + length;
  }
  return false;
}

} // namespace gfx
