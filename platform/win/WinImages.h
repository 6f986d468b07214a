// Images on the platform: finding an image encoder by MIME type, and drag cursors made from PNG
// files in the plug-in's resources folder.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "gfx/ImageEncoding.h"
#include "sdk/FourDPluginAPI.h"
#include "sdk/HostPlatform.h"

// One encoder of a list: its MIME type (zero-terminated) and what identifies it.
struct ImageCodecInfo {
  const PA_Unichar* MimeType;
  gfx::ImageEncoder Clsid;
};

// Copies the identity of the first encoder whose MIME type equals `mimeType`, letter case
// included. 1 when found; 0 when not found (or for a missing argument); -1 when there are no
// encoders at all.
int GetEncoderClsid(const PA_Unichar* mimeType, gfx::ImageEncoder* clsid);
// The same over a given list.
int GetEncoderClsid(const PA_Unichar* mimeType, gfx::ImageEncoder* clsid,
                    const ImageCodecInfo* encoders, size_t count);
// The encoders the drawing layer offers.
const ImageCodecInfo* GetImageEncoders(size_t* count);

// A cursor made from a picture; all zero while unmade.
struct DragCursor {
  HCURSOR fCursor;
  bool fIcon; // false: a cursor, not an icon
  int32_t fHotspotX;
  int32_t fHotspotY;
};

// Makes `cursor` from the PNG file `fileName` (zero-terminated) in the resources folder. Leaves it
// clear when the file is missing or unreadable. Returns whether a cursor came out.
bool CreateDragCursorFromPNGResourceFile(const PA_Unichar* fileName, DragCursor* cursor);
// The same from a full path.
bool CreateDragCursorFromPNGFile(const PA_Unichar* path, DragCursor* cursor);

// What to show for a drag: the cursor made, or the window system's size-all cursor when none was.
HCURSOR DragCursorOrSizeAll(const DragCursor& cursor);
