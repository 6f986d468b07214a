// The area's life in its form: made and destroyed, placed, shown and hidden with its page and
// window, focused, and turned over at every idle.
#include "grid/ZorvinArea.h"

#include <assert.h>
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
#include "platform/win/ContentView.h"
#include "platform/win/ZorvinAreaControlsWin.h"

namespace {

void CopyAscii(PA_Unichar* out, const char* text) {
  while ((*out++ = static_cast<unsigned char>(*text++)) != 0) {
  }
}

// Counting a huge selection's bits after every command would slow debug runs to a crawl.
constexpr int32_t kCheckedSelectionBytes = 1 << 20;

} // namespace

ZorvinArea::ZorvinArea() {
  CopyAscii(fCaptionFontName, "Segoe UI");
  // Without memory for the list, posted events are dropped; the area works all the same.
  initialize_list(&fPendingEvents);
}

ZorvinArea::~ZorvinArea() {
  ReleaseViews();
  ContentView::CleanupBackBuffer(this);
  fAreaBackBrush.reset();
  ClearCountExpression();
  ClearPictureExpression();
  ClearCaptionExpression();
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
  for (FDHandle params : fRetiredEventParams) {
    FourD::DisposeHandle(params);
  }
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

void ZorvinArea::CheckInvariants() const {
  assert(fSelectionBitsSize > kCheckedSelectionBytes || CheckSelectionCount());
  assert(fCache.CheckConsistency());
  assert(IsOriginInBounds());
}

void ZorvinArea::InitArea(AreaParams* params) {
  CXArea::InitArea(params);
  if (gZorvinAreaManager != nullptr) {
    gZorvinAreaManager->SetDefaultProperties(&fProps);
  }
}

void ZorvinArea::PostInitArea14(Rect* rect) {
  CXArea::PostInitArea14(rect);
  ZorvinAreaProps props = fProps;
  if (InStandaloneWindow() && gZorvinAreaManager != nullptr) {
    gZorvinAreaManager->SetStandaloneWindowProperties(&props);
  }
  if (!IsPrinting()) {
    // A developer's set-up code may have configured the area before its first event.
    if (!fFlagsConfigured) {
      SetScrollsByCell((props.fFlags & kZVAreaScrollsByCell) != 0);
      SetTipsEnabled((props.fFlags & kZVAreaTipsEnabled) != 0);
    }
    InitAreaViews();
  }
  SetupNativeAreaBackColor();
  SetupNativeSelectionColor();
  SetupNativeCaptionThings();
  SetupNativeCaretColor();
  fPostInitDone = true;
  InvalidateAreaView();
  InvalidateContentView();
}

void ZorvinArea::InitAreaViews() {
  fHorzScrollBar = ZorvinAreaControlsWin::CreateScrollbar(GetMacWindow(), this);
  fVertScrollBar = ZorvinAreaControlsWin::CreateScrollbar(GetMacWindow(), this);
  ZorvinAreaControlsWin::TagLiveScrollbars(this);
  ZorvinAreaControlsWin::InstallLiveScrollWndProc(this);
}

bool ZorvinArea::DidEndExecutionCycle(const Rect* rect) {
  // A handler may have closed the area during the event that ends here.
  if (fClosed) {
    return false;
  }
  const Rect previous = fAreaRect;
  CXArea::DidEndExecutionCycle(rect);
  fAreaViewFrame = GetAreaCGRect();
  bool changed =
      rect != nullptr && (rect->top != previous.top || rect->left != previous.left ||
                          rect->bottom != previous.bottom || rect->right != previous.right);
  if (!fFirstCycleDone) {
    fFirstCycleDone = true;
    changed = true;
  }
  if (OnCurrentPage()) {
    ShowAreaView();
  } else {
    HideAreaView();
  }
  if (changed) {
    UpdateLayout();
    AdjustViews();
    AdjustOrigin();
    AdjustScrollbars();
    LoadVisibleCellData();
  }
  const bool redraw = changed || fNeedsRedraw;
  fNeedsRedraw = false;
  return redraw;
}

void ZorvinArea::ShowAreaView() {
  if (fPostInitDone && fFirstCycleDone) {
    fViewShown = true;
  }
}

void ZorvinArea::HideAreaView() {
  if (fPostInitDone && fFirstCycleDone) {
    fViewShown = false;
  }
}

void ZorvinArea::HandleAreaFormPageChange() {
  if (OnCurrentPage()) {
    // Shown again only after the next end of cycle has laid the area out.
    fFirstCycleDone = false;
    ShowAreaView();
  } else {
    HideAreaView();
  }
}

void ZorvinArea::DoSwitchPageIn() {
  HandleAreaFormPageChange();
}

void ZorvinArea::DoSwitchPageOut() {
  DoInvalidate();
  HandleAreaFormPageChange();
  AdjustViews();
}

void ZorvinArea::DidBecomeVisible() {
  AdjustViews();
}

void ZorvinArea::DidBecomeInvisible() {
  DoInvalidate();
  AdjustViews();
}

void ZorvinArea::CloseArea() {
  fClosed = true;
  ReleaseViews();
  fViewShown = false;
  ContentView::CleanupBackBuffer(this);
}

void ZorvinArea::DoSelect() {}

void ZorvinArea::DoDeSelect() {}

void ZorvinArea::SetTipsEnabled(unsigned char on) {
  if (on) {
    fAreaFlags |= kZVAreaTipsEnabled;
  } else {
    fAreaFlags &= ~static_cast<uint32_t>(kZVAreaTipsEnabled);
  }
}

void ZorvinArea::SetScrollsByCell(unsigned char on) {
  if (!on) {
    fAreaFlags &= ~static_cast<uint32_t>(kZVAreaScrollsByCell);
    return;
  }
  fAreaFlags |= kZVAreaScrollsByCell;
  AlignScrollToCell();
  fNeedsRedraw = true;
}

void ZorvinArea::ConfigureFlags(uint32_t flags) {
  fFlagsConfigured = true;
  SetTipsEnabled((flags & kZVAreaTipsEnabled) != 0);
  SetScrollsByCell((flags & kZVAreaScrollsByCell) != 0);
}

void ZorvinArea::InvalidateAreaView() {
  if (!IsClosed()) {
    DoInvalidateImmediately();
  }
}

void ZorvinArea::InvalidateContentView() {
  if (!IsClosed()) {
    DoInvalAreaSubRectImmediately(fContentViewFrame);
  }
}

namespace {

uint8_t WindowRecordByte(void* window, int offset) {
  uint8_t value = 0;
  memcpy(&value, static_cast<const unsigned char*>(window) + offset, 1);
  return value;
}

bool BarNeedsHilite(ControlHandle bar, bool needed, int16_t hilite) {
  return bar != nullptr && *bar != nullptr && needed && (*bar)->contrlHilite != hilite;
}

} // namespace

void ZorvinArea::DoIdle() {
  void* window = GetMacWindow();
  const bool active = window != nullptr && IsWindow(static_cast<HWND>(GetHWND())) &&
                      WindowRecordByte(window, kWindowRecordHiliteOffset) != 0;
  const int16_t hilite = active ? 0 : 255;
  if (BarNeedsHilite(fHorzScrollBar, fHorzScrollNeeded, hilite)) {
    HiliteControl(fHorzScrollBar, hilite);
  }
  if (BarNeedsHilite(fVertScrollBar, fVertScrollNeeded, hilite)) {
    HiliteControl(fVertScrollBar, hilite);
  }
  if (fDrawnSinceIdle) {
    fDrawnSinceIdle = false;
    if (fHorzScrollNeeded) {
      ZorvinAreaControlsWin::DrawScrollbar(fHorzScrollBar);
    }
    if (fVertScrollNeeded) {
      ZorvinAreaControlsWin::DrawScrollbar(fVertScrollBar);
    }
  }
  // The layer may have recreated a bar's native window, which then comes without our tags.
  if (fHorzScrollBar != nullptr && !ZorvinAreaControlsWin::IsScrollbarTagged(fHorzScrollBar)) {
    ZorvinAreaControlsWin::TagOneLiveScrollbar(fHorzScrollBar);
  }
  if (fVertScrollBar != nullptr && !ZorvinAreaControlsWin::IsScrollbarTagged(fVertScrollBar)) {
    ZorvinAreaControlsWin::TagOneLiveScrollbar(fVertScrollBar);
  }
  if (LoadVisibleCellData() > 0) {
    InvalidateContentView();
  }
  DeliverPostedEvent();
}

void ZorvinArea::ReleaseViews() {
  HWND hwnd = static_cast<HWND>(GetHWND());
  void* window = GetMacWindow();
  uint32_t controlList = 0;
  const bool alive = window != nullptr && IsWindow(hwnd);
  if (alive) {
    memcpy(&controlList, static_cast<const unsigned char*>(window) + kWindowRecordControlListOffset,
           sizeof controlList);
  }
  const bool windowAlive = alive && controlList != 0;
  if (windowAlive) {
    ZorvinAreaControlsWin::UntagLiveScrollbars(this);
  }
  ZorvinAreaControlsWin::RemoveLiveScrollWndProc(this);
  if (windowAlive) {
    if (fHorzScrollBar != nullptr) {
      DisposeControl(fHorzScrollBar);
    }
    if (fVertScrollBar != nullptr) {
      DisposeControl(fVertScrollBar);
    }
  }
  fHorzScrollBar = nullptr;
  fVertScrollBar = nullptr;
}
