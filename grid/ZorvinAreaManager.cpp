#include "grid/ZorvinAreaManager.h"

#include <memory>
#include <new>
#include <vector>

#include "gfx/Graphics.h"
#include "platform/win/CGBridges.h"

#include "grid/PictureDecodeJob.h"
#include "grid/ZorvinArea.h"
#include "host/PluginPaths.h"

ZorvinAreaManager* gZorvinAreaManager = nullptr;

// The only kind of area this manager makes, which is what lets commands take a listed area
// for a grid area.
CXArea* ZorvinAreaManager::CreateArea() {
  try {
    return new (std::nothrow) ZorvinArea;
  } catch (...) { // a member's allocation inside the constructor
    return nullptr;
  }
}

namespace {

// The placeholder picture from the resources folder; null when it is missing or unreadable.
std::unique_ptr<gfx::Bitmap> LoadPlaceholderImage() {
  static const PA_Unichar kName[] = {'Z', 'o', 'r', 'v', 'i', '.', 'p', 'n', 'g', 0};
  const PA_Unichar* folder = GetPluginBundleResourcesFolderPath();
  if (folder == nullptr) {
    return nullptr;
  }
  std::vector<PA_Unichar> path;
  for (const PA_Unichar* unit = folder; *unit != 0; ++unit) {
    path.push_back(*unit);
  }
  if (!path.empty() && path.back() != '/') {
    path.push_back('/');
  }
  path.insert(path.end(), kName, kName + sizeof kName / sizeof kName[0]);
  std::unique_ptr<gfx::Bitmap> image = gfx::Bitmap::FromFile(path.data());
  if (image == nullptr || image->GetLastStatus() != gfx::Status::Ok) {
    return nullptr;
  }
  return image;
}

std::unique_ptr<gfx::Font> MakePlaceholderFont() {
  auto font = std::make_unique<gfx::Font>("Segoe UI", 14.0);
  if (font->GetLastStatus() == gfx::Status::Ok) {
    return font;
  }
  return std::make_unique<gfx::Font>("MS Sans Serif", 14.0);
}

} // namespace

void ZorvinAreaManager::DoDrawStructure14(gfx::Graphics* graphics, Rect* rect,
                                          const PA_Unichar* areaName, int32_t /*modifiers*/) {
  if (graphics == nullptr || rect == nullptr) {
    return;
  }
  try {
    const CGRect r = CGRectMakeWithQDRect(*rect);
    std::unique_ptr<gfx::Bitmap> image = LoadPlaceholderImage();
    const gfx::GraphicsState outer = graphics->Save();
    graphics->IntersectClip(GdiplusRectFMakeWithCGRect(r));
    graphics->Clear(gfx::Color(255, 255, 255));
    graphics->TranslateTransform(r.origin.x, r.origin.y);
    graphics->TranslateTransform(20, 20);
    CGFloat x = 0;
    if (image != nullptr) {
      graphics->DrawImage(image.get(), 0, 0);
      x = static_cast<CGFloat>(image->GetWidth()) + 20;
    }
    const gfx::GraphicsState inner = graphics->Save();
    graphics->TranslateTransform(x, 0);
    const CGFloat width = r.size.width - x - 20;
    // No room left beside the picture: a layout box without width would not wrap at all.
    if (areaName != nullptr && width > 0) {
      std::unique_ptr<gfx::Font> font = MakePlaceholderFont();
      std::unique_ptr<gfx::StringFormat> format = gfx::StringFormat::GenericTypographic()->Clone();
      gfx::SolidBrush black(gfx::Color(0, 0, 0));
      graphics->DrawString(areaName, -1, font.get(), gfx::RectF(0, 0, width, 500), format.get(),
                           &black);
    }
    graphics->Restore(inner);
    graphics->Restore(outer);
  } catch (const std::bad_alloc&) {
    // Without memory the form editor shows what was there.
  }
}

void ZorvinAreaManager::SetDefaultProperties(ZorvinAreaProps* props) {
  if (props != nullptr) {
    props->fFlags = 0;
  }
}

void ZorvinAreaManager::SetStandaloneWindowProperties(ZorvinAreaProps* /*props*/) {}

bool InitZorvinArea() {
  if (gZorvinAreaManager != nullptr) {
    return true;
  }
  auto* manager = new (std::nothrow) ZorvinAreaManager;
  if (manager == nullptr) {
    return false;
  }
  if (!manager->IsReady()) {
    delete manager;
    return false;
  }
  gZorvinAreaManager = manager;
  return true;
}

void DeinitZorvinArea() {
  ZorvinAreaManager* manager = gZorvinAreaManager;
  // Cleared first: areas closing during the deletion must not find a manager half torn down.
  gZorvinAreaManager = nullptr;
  delete manager;
  // No thread of the plug-in may outlive it.
  PictureDecodeJob::StopWorkers();
}
