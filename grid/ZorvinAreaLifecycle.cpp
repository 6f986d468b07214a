#include "grid/ZorvinArea.h"

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
    SetScrollsByCell((props.fFlags & kZVAreaScrollsByCell) != 0);
    SetTipsEnabled((props.fFlags & kZVAreaTipsEnabled) != 0);
    InitAreaViews();
  }
  SetupNativeAreaBackColor();
  SetupNativeSelectionColor();
  SetupNativeCaptionThings();
  fPostInitDone = true;
  InvalidateAreaView();
  InvalidateContentView();
}

void ZorvinArea::InitAreaViews() {
  // The scroll-bar controls and the live-scroll hook come with the platform layer.
}

bool ZorvinArea::DidEndExecutionCycle(const Rect* rect) {
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

void ZorvinArea::DoSelect() {}

void ZorvinArea::DoDeSelect() {}

void ZorvinArea::DoDragLeave() {}

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

void ZorvinArea::AlignScrollToCell() {
  // Aligning reads the scroll bars' values; it comes with the scroll-bar controls.
}

void ZorvinArea::InvalidateAreaView() {
  DoInvalidateImmediately();
}

void ZorvinArea::InvalidateContentView() {
  DoInvalAreaSubRectImmediately(fContentViewFrame);
}
