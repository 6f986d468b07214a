// The platform's own objects behind the drawing layer. Each drawing object keeps its native
// counterpart in one of these data classes; only the side of the layer built for the platform
// (Cairo or GDI+) defines them, so no caller can reach into them.
#pragma once

namespace gfx {

class NativeBitmap;
class NativeBrush;
class NativeFont;
class NativeGraphics;
class NativePen;

} // namespace gfx
