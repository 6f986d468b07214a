#include "grid/ZorvinArea.h"
#include "platform/win/ContentView.h"

void ZorvinArea::RedrawContentViewImmediately() {
  RedrawContentViewRectImmediately(
      CGRectMake(0, 0, fContentViewFrame.size.width, fContentViewFrame.size.height));
}

void ZorvinArea::RedrawContentViewRectImmediately(CGRect rect) {
  // Evaluation may run database code that re-enters; and an area that is not on screen (another
  // page, hidden, not laid out yet) must not paint over what the window shows instead.
  if (fLoadDepth > 0 || !fViewShown || !IsAreaVisible() || !OnCurrentPage()) {
    return;
  }
  ContentView::RedrawViewRectImmediately(this, rect);
}

void ZorvinArea::RedrawDocRectImmediately(CGRect rect) {
  RedrawContentViewRectImmediately(DocRectToView(rect));
}

void ZorvinArea::RedrawCellImmediately(uint32_t cell) {
  // A handler's recount may have removed the cell.
  if (cell < 1 || cell > static_cast<uint32_t>(fCellCount))
    return;
  RedrawCellImmediately(CellIndexToLocation(cell));
}

void ZorvinArea::RedrawCellImmediately(CellLocation location) {
  RedrawDocRectImmediately(GetCellRect(location, false));
}

void ZorvinArea::InvalidateVisibleSelectedCells() {
  const uint32_t count = static_cast<uint32_t>(fCellCount > 0 ? fCellCount : 0);
  CellBlockIterator cells = GetVisibleCellsBlockIterator();
  while (cells.HasMoreCells()) {
    const CellLocation location = cells.NextCell();
    const uint32_t cell = CellLocationToIndex(location);
    if (cell >= 1 && cell <= count && IsCellSelected(cell)) {
      RedrawCellImmediately(location);
    }
  }
}
