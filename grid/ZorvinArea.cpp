#include "grid/ZorvinArea.h"

#include <stdlib.h>
#include <string.h>

#include "gfx/Bitmap.h"
#include "gfx/Brush.h"
#include "gfx/Font.h"
#include "gfx/Graphics.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Region.h"
#include "gfx/StringFormat.h"
#include "grid/DragAndDropData.h"
#include "host/FourD.h"

namespace {

void CopyAscii(PA_Unichar* out, const char* text) {
  while ((*out++ = static_cast<unsigned char>(*text++)) != 0) {
  }
}

void FreeExpression(PA_Unichar** text, FDHandle* tokens) {
  free(*text);
  *text = nullptr;
  FourD::DisposeHandleV11(*tokens);
  *tokens = nullptr;
}

} // namespace

ZorvinArea::ZorvinArea()
    : fPostInitDone(false), fFirstCycleDone(false), fClosed(false), fProps(), fAreaFlags(0),
      fScale(1.0), fContentSize(CGSizeZero), fOrigin(CGPointZero), fHorzScrollBar(nullptr),
      fVertScrollBar(nullptr), fLiveScrollInstalled(false), fDrawnSinceIdle(false),
      fHorzScrollNeeded(true), fVertScrollNeeded(true), fAreaViewFrame(CGRectZero),
      fContentViewFrame(CGRectZero), fHorzScrollFrame(CGRectZero), fVertScrollFrame(CGRectZero),
      fViewShown(false), fCountExpressionText(nullptr), fCountExpression(nullptr),
      fPictureExpressionText(nullptr), fPictureExpression(nullptr), fCaptionExpressionText(nullptr),
      fCaptionExpression(nullptr), fHorzAlignment(kZVAlignStart), fVertAlignment(kZVAlignStart),
      fCellsInBand(0), fCellSize(CGSizeMake(160, 160)), fCellSpacing(CGSizeZero), fCornerXRadius(0),
      fCornerYRadius(0), fPictureRect(CGRectZero), fCaptionRect(CGRectZero), fBackPicture(nullptr),
      fBackPictureFormat(1), fBackPictureImage(nullptr), fPictureFormat(1), fCaptionTextFormat(),
      fCaptionFontName(), fCaptionTextSize(10), fCaptionTextStyle(0), fCaptionHorzAlignment(0),
      fCaptionVertAlignment(0), fCaptionForeColor(0x000000), fCaptionBackColor(0xFFFFFF),
      fSelectionKind(kSelectionSingle), fSelectionFrameColor(0xFF0000), fSelectionFrameWidth(2),
      fSelectionInsetX(1), fSelectionInsetY(1), fNeedsRedraw(false), fLoadDepth(0), fCellCount(0),
      fRowCount(0), fColumnCount(0), fDocSize(CGSizeZero), fSelectionBitsSize(0),
      fSelectionBits(nullptr), fSelectedCount(0), fAnchorCell(0), fClickedCell(0),
      fLastSelectedCell(0), fEventMethodName(), fEventMethodID(0), fEventMask(0),
      fEventParams(nullptr), fPendingEvents(nullptr), fEventCallDepth(0), fDragAndDrop(nullptr),
      fDragFlags(6), fCaretWidth(2), fCaretColor(-254), fCaretBlinkInterval(30), fCaretCell(0),
      fCaretPart(kDropBefore), fCaretShown(false), fCaretBlinkOn(false), fCaretNextBlink(0),
      fDragSourceArea(0), fDropSignature(), fHostDragActive(false), fHostDropCell(0),
      fAutoScrollEdge(0), fAutoScrollEnterTick(0), fAutoScrollLastTick(0) {
  fCache.Init();
  CopyAscii(fCaptionFontName, "Segoe UI");
  // Without memory for the list, posted events are dropped; the area works all the same.
  initialize_list(&fPendingEvents);
}

ZorvinArea::~ZorvinArea() {
  ReleaseViews();
  ContentView::CleanupBackBuffer(this);
  fAreaBackBrush.reset();
  FreeExpression(&fCountExpressionText, &fCountExpression);
  FreeExpression(&fPictureExpressionText, &fPictureExpression);
  FreeExpression(&fCaptionExpressionText, &fCaptionExpression);
  fCache.Cleanup();
  fCellClipRegion.reset();
  fCellPath.reset();
  fSelectionPath.reset();
  ReleaseBackPicture();
  fCaptionFont.reset();
  fCaptionParagraphStyle.reset();
  fCaptionForeBrush.reset();
  fCaptionBackBrush.reset();
  fSelectionBrush.reset();
  free(fSelectionBits);
  fSelectionBits = nullptr;
  ReleaseEventParams();
  for (FDHandle params : fRetiredEventParams)
    FourD::DisposeHandle(params);
  fRetiredEventParams.clear();
  ForgetClicksOn(this);
  if (fPendingEvents != nullptr) {
    while (void* event = remove_from_beginning(fPendingEvents)) {
      free(event);
    }
    destroy_list(&fPendingEvents);
  }
  if (sCaretBlinkArea == this) {
    sCaretBlinkArea = nullptr;
  }
  CleanupNativeCaretColor();
  delete fDragAndDrop;
  fDragAndDrop = nullptr;
}

void ZorvinArea::ClearCountExpression() {
  FreeExpression(&fCountExpressionText, &fCountExpression);
}

void ZorvinArea::ClearPictureExpression() {
  FreeExpression(&fPictureExpressionText, &fPictureExpression);
}

void ZorvinArea::ClearCaptionExpression() {
  FreeExpression(&fCaptionExpressionText, &fCaptionExpression);
}

bool ZorvinArea::IsValidHorzAlignment(int32_t alignment) {
  return alignment == kZVAlignStart || alignment == kZVAlignCenter || alignment == kZVAlignEnd;
}

bool ZorvinArea::IsValidVertAlignment(int32_t alignment) {
  return IsValidHorzAlignment(alignment);
}

int32_t ZorvinArea::SetCellsInBand(int32_t cells) {
  if (cells < 0) {
    return kFDErrBadParameter;
  }
  if (cells == fCellsInBand) {
    return 0;
  }
  fCellsInBand = cells;
  Refresh();
  return 0;
}

int32_t ZorvinArea::SetAlignment(int32_t horizontal, int32_t vertical) {
  if (!IsValidHorzAlignment(horizontal) || !IsValidVertAlignment(vertical)) {
    return kFDErrBadParameter;
  }
  if (horizontal == fHorzAlignment && vertical == fVertAlignment) {
    return 0;
  }
  fHorzAlignment = horizontal;
  fVertAlignment = vertical;
  AdjustOrigin();
  AdjustScrollbars();
  RedrawContentViewImmediately();
  return 0;
}

int32_t ZorvinArea::SetCellSize(int32_t width, int32_t height) {
  if (width < 0 || height < 0) {
    return kFDErrBadParameter;
  }
  const CGSize size = CGSizeMake(static_cast<CGFloat>(width), static_cast<CGFloat>(height));
  if (CGSizeEqualToSize(size, fCellSize)) {
    return 0;
  }
  fCellSize = size;
  SetupNativeCellPaths();
  Refresh();
  return 0;
}

int32_t ZorvinArea::GetCellWidth() const {
  return CGFloatToInt32(fCellSize.width);
}

int32_t ZorvinArea::GetCellHeight() const {
  return CGFloatToInt32(fCellSize.height);
}

int32_t ZorvinArea::SetCellSpacing(int32_t x, int32_t y) {
  if (x < 0 || y < 0) {
    return kFDErrBadParameter;
  }
  const CGSize spacing = CGSizeMake(static_cast<CGFloat>(x), static_cast<CGFloat>(y));
  if (CGSizeEqualToSize(spacing, fCellSpacing)) {
    return 0;
  }
  fCellSpacing = spacing;
  Refresh();
  return 0;
}

int32_t ZorvinArea::GetCellXSpacing() const {
  return CGFloatToInt32(fCellSpacing.width);
}

int32_t ZorvinArea::GetCellYSpacing() const {
  return CGFloatToInt32(fCellSpacing.height);
}

int32_t ZorvinArea::SetCellCornerRadii(int32_t xRadius, int32_t yRadius) {
  const bool square = xRadius == 0 && yRadius == 0;
  const bool fits = xRadius >= 0 && yRadius >= 0 && 2 * int64_t{xRadius} <= fCellSize.width &&
                    2 * int64_t{yRadius} <= fCellSize.height;
  if (!square && !fits) {
    return kFDErrBadParameter;
  }
  fCornerXRadius = xRadius;
  fCornerYRadius = yRadius;
  SetupNativeCellPaths();
  fNeedsRedraw = true;
  return 0;
}
