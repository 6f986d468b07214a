#include "grid/ZorvinArea.h"

#include <algorithm>
#include <iterator>

#include "grid/RectFitting.h"
#include "host/FourD.h"
#include "host/HostText.h"

int32_t ZorvinArea::SetPictureRect(CGRect rect) {
  rect = CGRectStandardize(rect);
  if (!CGRectEqualToRect(rect, fPictureRect)) {
    fPictureRect = rect;
    fNeedsRedraw = true;
    ReloadFittedPictures();
  }
  return 0;
}

int32_t ZorvinArea::SetCaptionRect(CGRect rect) {
  rect = CGRectStandardize(rect);
  if (!CGRectEqualToRect(rect, fCaptionRect)) {
    fCaptionRect = rect;
    fNeedsRedraw = true;
  }
  return 0;
}

int32_t ZorvinArea::SetPictureDisplayFormat(int32_t format) {
  if (!IsValidPictureDisplayFormat(format)) {
    return -50;
  }
  if (format != fPictureFormat) {
    fPictureFormat = format;
    fNeedsRedraw = true;
    ReloadFittedPictures();
  }
  return 0;
}

int32_t ZorvinArea::SetCaptionTextFormat(const PA_Unichar* format) {
  if (format == nullptr) {
    return -50;
  }
  // The stored format is a fixed buffer; a longer one is cut rather than overrun it.
  const size_t capacity = std::size(fCaptionTextFormat);
  const size_t length = std::min(FourD::UniLength(format), capacity - 1);
  const int32_t options = kFDCompareCaseSensitive | kFDCompareDiacriticSensitive;
  if (FourD::CompareUniStrings(format, static_cast<int32_t>(length), fCaptionTextFormat,
                               static_cast<int32_t>(FourD::UniLength(fCaptionTextFormat)),
                               options) != 0) {
    FourD::UniCopy(format, fCaptionTextFormat, capacity);
    fNeedsRedraw = true;
  }
  return 0;
}

bool ZorvinArea::IsCaretVertical() const {
  if (fCellSize.width < 1.0 || fCellSize.height < 1.0) {
    return true;
  }
  if (fCellsInBand != 0) {
    return fCellsInBand > 1;
  }
  const CGSize cell = DocSizeToScaled(fCellSize);
  const CGSize gap = DocSizeToScaled(fCellSpacing);
  const int64_t pitch = static_cast<int64_t>(cell.width) + static_cast<int64_t>(gap.width);
  int64_t perRow = 1;
  if (pitch > 0) {
    perRow =
        (static_cast<int64_t>(fContentViewFrame.size.width) - static_cast<int64_t>(gap.width)) /
        pitch;
  }
  return (perRow == 0 ? 1 : perRow) > 1;
}

DropCellPart ZorvinArea::GetDropCellAtDocPoint(uint32_t excluded, CGPoint point,
                                               uint32_t* cell) const {
  uint32_t found = CellLocationToIndex(DocPointToClosestRangeCheckedCellLocation(point, true));
  *cell = found;
  if (found == 0) {
    return kDropBefore;
  }
  const CGRect r = GetCellRect(CellIndexToLocation(found), true);
  DropCellPart part;
  if (IsCaretVertical()) {
    part = point.x > r.origin.x + r.size.width / 2 ? kDropAfter : kDropBefore;
  } else {
    part = point.y > r.origin.y + r.size.height / 2 ? kDropAfter : kDropBefore;
  }
  if (excluded != 0) {
    // Dropping a cell right before or after itself is not a move.
    bool isVoid = part == kDropAfter ? (found == excluded || found + 1 == excluded)
                                     : (found == excluded || found == excluded + 1);
    if (isVoid) {
      *cell = 0;
      return kDropBefore;
    }
  }
  return part;
}
