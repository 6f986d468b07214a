// The area behind the content view: its background and the corner between the two scroll bars.
#pragma once

namespace gfx {
class Graphics;
}
class ZorvinArea;

class ScrollView {
public:
  static void Draw(ZorvinArea* area, gfx::Graphics* graphics);
};
