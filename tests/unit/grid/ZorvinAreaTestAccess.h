// Reaches into a grid area for tests: frames, origin and count are set directly, as the host's
// events would set them.
#pragma once

#include <utility>
#include <vector>

#include "grid/ZorvinArea.h"

class ZorvinAreaTestAccess {
public:
  static void SetAreaFrame(ZorvinArea& area, CGRect frame) { area.fAreaViewFrame = frame; }
  static void SetContentFrame(ZorvinArea& area, CGRect frame) { area.fContentViewFrame = frame; }
  static CGRect ContentFrame(const ZorvinArea& area) { return area.fContentViewFrame; }
  static void SetOrigin(ZorvinArea& area, CGPoint origin) { area.fOrigin = origin; }
  static CGPoint Origin(const ZorvinArea& area) { return area.fOrigin; }
  static void SetCellCount(ZorvinArea& area, int32_t count) { area.fCellCount = count; }
  static void SetContentSize(ZorvinArea& area, CGSize size) { area.fContentSize = size; }
  static void AdjustViews(ZorvinArea& area) { area.AdjustViews(); }
  static void AdjustOrigin(ZorvinArea& area) { area.AdjustOrigin(); }
  static void AlignScrollToCell(ZorvinArea& area) { area.AlignScrollToCell(); }
  static bool NeedsRedraw(const ZorvinArea& area) { return area.fNeedsRedraw; }
  static GridCache& Cache(ZorvinArea& area) { return area.fCache; }
  static const CellRenderCache& RenderedCells(const ZorvinArea& area) {
    return area.fRenderedCells;
  }
  static int32_t SelectionBitsSize(const ZorvinArea& area) { return area.fSelectionBitsSize; }
  static bool HasSelectionBits(const ZorvinArea& area) { return area.fSelectionBits != nullptr; }
  static uint64_t SelectionWordVisits(const ZorvinArea& area) { return area.fSelectionWordVisits; }
  static void ResetSelectionWordVisits(ZorvinArea& area) { area.fSelectionWordVisits = 0; }
  static int32_t LoadDepth(const ZorvinArea& area) { return area.fLoadDepth; }
  static void SetLoadDepth(ZorvinArea& area, int32_t depth) { area.fLoadDepth = depth; }
  // Cell n is bit n - 1, counted from the high bit of the first word.
  static void SetCellSelected(ZorvinArea& area, uint32_t cell) {
    area.fSelectionBits[(cell - 1) / 32] |= 0x80000000u >> ((cell - 1) % 32);
  }
  // Posted cell events, oldest first, as (code, cell).
  static std::vector<std::pair<int32_t, int32_t>> PendingEvents(const ZorvinArea& area) {
    std::vector<std::pair<int32_t, int32_t>> events;
    auto collect = [](void* item, void* arg) {
      const auto* event = static_cast<const ZorvinCellEvent*>(item);
      static_cast<std::vector<std::pair<int32_t, int32_t>>*>(arg)->emplace_back(event->fCode,
                                                                                event->fCell);
    };
    if (area.fPendingEvents != nullptr) {
      perform_on_list(area.fPendingEvents, collect, &events);
    }
    return events;
  }
  static bool HasBackBuffer(const ZorvinArea& area) {
    return area.GetContentView().GetBackBuffer() != nullptr;
  }
  static const gfx::Bitmap* BackBuffer(const ZorvinArea& area) {
    return area.GetContentView().GetBackBuffer();
  }

  // An area of `width` x `height` at the port's origin, laid out for `count` cells.
  static void LayOut(ZorvinArea& area, float width, float height, int32_t count) {
    SetAreaFrame(area, CGRectMake(0, 0, width, height));
    SetCellCount(area, count);
    area.UpdateLayout();
    area.AdjustViews();
    area.AdjustOrigin();
  }
};
