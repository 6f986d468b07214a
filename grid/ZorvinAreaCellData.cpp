// Cell data: the count, picture and caption expressions, and the lazy loading of the cells in
// view into the cache.
#include "grid/ZorvinArea.h"

#include <stdlib.h>
#include <string.h>

#include <deque>
#include <memory>

#include "grid/PictureDecodeJob.h"
#include "grid/RectFitting.h"
#include "grid/TextLineEndings.h"
#include "host/FourD.h"
#include "host/HostText.h"
#include "host/ValueBlock.h"
#include "host/ZorvinLongVar.h"
#include "util/ZVWorkerPool.h"

namespace {

// Host text blocks carry a length and need not end in 0.
PA_Unichar* TerminatedCopy(const FDStringBlock& text) {
  const size_t length =
      text.fString != nullptr && text.fLength > 0 ? static_cast<size_t>(text.fLength) : 0;
  PA_Unichar* copy = static_cast<PA_Unichar*>(malloc((length + 1) * sizeof(PA_Unichar)));
  if (copy == nullptr) {
    return nullptr;
  }
  if (length > 0) {
    memcpy(copy, text.fString, length * sizeof(PA_Unichar));
  }
  copy[length] = 0;
  return copy;
}

constexpr size_t kFormattedUnits = 256;

} // namespace

int32_t ZorvinArea::ParseExpression(const PA_Unichar* text, PA_Unichar** textCopy,
                                    FDHandle* tokens) {
  *textCopy = nullptr;
  *tokens = nullptr;
  if (text == nullptr) {
    return kFDErrBadParameter;
  }
  const size_t length = FourD::UniLength(text);
  if (length > INT32_MAX - 1) {
    return kFDErrBadParameter;
  }
  FDHandle parsed = nullptr;
  const int16_t error = FourD::TokenizeProcV12(text, static_cast<int32_t>(length), &parsed);
  if (error != kFDErrNone || parsed == nullptr) {
    FourD::DisposeHandleV11(parsed);
    return error;
  }
  PA_Unichar* copy = static_cast<PA_Unichar*>(calloc(length + 1, sizeof(PA_Unichar)));
  if (copy == nullptr) {
    FourD::DisposeHandleV11(parsed);
    return kFDErrNoMemory;
  }
  memcpy(copy, text, length * sizeof(PA_Unichar));
  *textCopy = copy;
  *tokens = parsed;
  return kFDErrNone;
}

int32_t ZorvinArea::SetCountExpression(const PA_Unichar* text) {
  PA_Unichar* copy = nullptr;
  FDHandle tokens = nullptr;
  if (const int32_t error = ParseExpression(text, &copy, &tokens)) {
    return error;
  }
  ClearCountExpression();
  fCountExpressionText = copy;
  fCountExpression = tokens;
  UpdateNumberOfCells();
  fCache.Cleanup();
  fCache.Setup(static_cast<uint32_t>(fCellCount));
  Refresh();
  return 0;
}

int32_t ZorvinArea::SetPictureExpression(const PA_Unichar* text) {
  PA_Unichar* copy = nullptr;
  FDHandle tokens = nullptr;
  if (const int32_t error = ParseExpression(text, &copy, &tokens)) {
    return error;
  }
  ReplacePictureExpression(copy, tokens);
  return 0;
}

int32_t ZorvinArea::SetCellPicture(const PA_Unichar* text, CGRect rect, int32_t format) {
  if (!IsValidPictureDisplayFormat(format)) {
    return kFDErrBadParameter;
  }
  PA_Unichar* copy = nullptr;
  FDHandle tokens = nullptr;
  if (const int32_t error = ParseExpression(text, &copy, &tokens)) {
    return error;
  }
  rect = CGRectStandardize(rect);
  if (format != fPictureFormat || !CGRectEqualToRect(rect, fPictureRect)) {
    fPictureFormat = format;
    fPictureRect = rect;
    fNeedsRedraw = true;
  }
  ReplacePictureExpression(copy, tokens);
  return 0;
}

void ZorvinArea::ReplacePictureExpression(PA_Unichar* text, FDHandle tokens) {
  ClearPictureExpression();
  fPictureExpressionText = text;
  fPictureExpression = tokens;
  fCache.Cleanup();
  fCache.Setup(static_cast<uint32_t>(fCellCount));
  LoadVisibleCellData();
  RedrawContentViewImmediately();
}

int32_t ZorvinArea::SetCaptionExpression(const PA_Unichar* text) {
  PA_Unichar* copy = nullptr;
  FDHandle tokens = nullptr;
  if (const int32_t error = ParseExpression(text, &copy, &tokens)) {
    return error;
  }
  ClearCaptionExpression();
  fCaptionExpressionText = copy;
  fCaptionExpression = tokens;
  fCache.Cleanup();
  fCache.Setup(static_cast<uint32_t>(fCellCount));
  LoadVisibleCellData();
  RedrawContentViewImmediately();
  return 0;
}

void ZorvinArea::UpdateNumberOfCells() {
  int32_t count = 0;
  if (fCountExpression != nullptr) {
    ValueBlock result;
    ClearValueBlock(&result, kFDLongint);
    if (FourD::ExecTokenizedFuncV12(fCountExpression, &result) == kFDErrNone) {
      int32_t value = 0;
      if (Value2Long(&result, &value) == kFDErrNone) {
        count = value;
      }
    }
    FreeValueBlock(&result);
  }
  fCellCount = count < 0 ? 0 : count;
  AdjustSelectionArraySize();
}

int32_t ZorvinArea::UpdateData(int32_t kind, uint32_t first, uint32_t second) {
  if (kind == kZVUpdateCount) {
    if (first != 0) {
      return kFDErrBadParameter;
    }
    UpdateNumberOfCells();
    fCache.Cleanup();
    fCache.Setup(static_cast<uint32_t>(fCellCount));
    // A new count can bring or remove a scroll bar, which resizes the content view: the views
    // are refreshed too.
    Refresh();
    return 0;
  }
  if (kind != kZVUpdatePurge) {
    return kFDErrBadParameter;
  }
  if (first == 0 && second == 0) {
    fCache.Cleanup();
    fCache.Setup(static_cast<uint32_t>(fCellCount));
  } else if (first == 0) {
    return kFDErrBadParameter;
  } else if (second == 0) {
    fCache.PurgeCellData(first);
  } else {
    const uint64_t low = first < second ? first : second;
    uint64_t high = first < second ? second : first;
    if (high > static_cast<uint64_t>(fCellCount)) {
      high = static_cast<uint64_t>(fCellCount);
    }
    for (uint64_t cell = low; cell <= high; ++cell) {
      fCache.PurgeCellData(static_cast<uint32_t>(cell));
    }
  }
  LoadVisibleCellData();
  fNeedsRedraw = true;
  return 0;
}

// A cell evaluated and waiting to be stored, its picture perhaps still decoding.
struct ZorvinArea::PendingCell {
  uint32_t fCell = 0;
  CellData fData;
  std::shared_ptr<PictureDecodeJob> fDecode;

  bool IsReady() const { return fDecode == nullptr || fDecode->IsDone(); }
  // The decoded bitmap joins the cell's data.
  void Finish() {
    if (fDecode == nullptr) {
      return;
    }
    fDecode->Finish();
    if ((fData.fPicture = fDecode->TakeImage()) != nullptr) {
      fData.fOwnsPicture = true;
      fData.fExtent = fDecode->GetExtent();
    }
    fDecode.reset();
  }
  void Abandon() {
    if (fDecode != nullptr) {
      fDecode->Abandon();
      fDecode.reset();
    }
    fData.Clear();
  }
};

namespace {

// Cells evaluated and waiting for their pictures: one a core, since each holds a whole encoded
// photo until it is decoded. A worker that finishes waits only while the next cell's expression
// reads its photo, a small part of a decode; one cell more would cost a photo's bytes of peak
// memory for that. Without workers each cell is decoded and stored as soon as it is evaluated.
size_t MostCellsDecoding() {
  return PictureDecodeJob::AreWorkersEnabled() ? size_t(ZVWorkerPool::CoreCount()) : 0;
}

} // namespace

int32_t ZorvinArea::LoadVisibleCellData() {
  if (IsClosed()) {
    return 0;
  }
  ++fLoadDepth;
  int32_t loaded = 0;
  const uint32_t slots = fCache.GetSlotsGeneration();
  // Every cell in view is marked before any is loaded, so that no load evicts one: they would
  // draw blank and be evaluated again at every idle.
  fCache.BeginPass();
  CellBlockIterator marks = GetVisibleCellsBlockIterator();
  while (marks.HasMoreCells()) {
    fCache.GetCellData(CellLocationToIndex(marks.NextCell()));
  }
  // Expressions are evaluated here, in cell order; pictures decode on the workers meanwhile and
  // the cells are stored here, in cell order too.
  std::deque<PendingCell> pending;
  const size_t most = MostCellsDecoding();
  bool interrupted = false;
  bool viewDrawn = false;
  CellBlockIterator cells = GetVisibleCellsBlockIterator();
  while (cells.HasMoreCells()) {
    const uint32_t cell = CellLocationToIndex(cells.NextCell());
    if (cell == 0 || cell > static_cast<uint32_t>(fCellCount)) {
      continue;
    }
    if (fCache.GetCellData(cell).IsLoaded()) {
      continue;
    }
    PendingCell next;
    next.fCell = cell;
    EvaluateCellData(cell, &next.fData, &next.fDecode);
    ++loaded;
    // Database code run by the evaluation closed the area or made its slots anew (a new count,
    // expression or purge): what changed the area loaded what it shows now, and the block
    // walked here may no longer be it. Decodings under way are dropped.
    if (IsClosed() || fCache.GetSlotsGeneration() != slots) {
      next.Abandon();
      interrupted = true;
      break;
    }
    if (next.fDecode != nullptr) {
      PictureDecodeJob::Start(next.fDecode);
    }
    pending.push_back(std::move(next));
    while (!pending.empty() && (pending.size() > most || pending.front().IsReady())) {
      StorePendingCell(&pending.front(), slots, &viewDrawn);
      pending.pop_front();
    }
  }
  for (PendingCell& waiting : pending) {
    if (interrupted) {
      waiting.Abandon();
    } else {
      StorePendingCell(&waiting, slots, &viewDrawn);
    }
  }
  --fLoadDepth;
  return loaded;
}

void ZorvinArea::StorePendingCell(PendingCell* pending, uint32_t slots, bool* viewDrawn) {
  const bool decoded = pending->fDecode != nullptr;
  pending->Finish();
  StoreCellData(pending->fCell, &pending->fData, slots);
  // Between two evaluations no database code runs, so a photo just decoded is drawn at once
  // through the normal path: the screen fills as it loads instead of staying blank. Only the
  // outermost load paints; one nested in a command or handler leaves drawing to it. A load that
  // follows a scroll would otherwise paint its cells at the new origin over the old view, so the
  // first of them brings the whole view to that origin, the cells still decoding left blank.
  if (decoded && fLoadDepth == 1 && !IsClosed()) {
    fLoadDepth = 0;
    if (*viewDrawn) {
      RedrawCellImmediately(pending->fCell);
    } else {
      RedrawContentViewImmediately();
      *viewDrawn = true;
    }
    fLoadDepth = 1;
  }
}

void ZorvinArea::LoadCellData(uint32_t cell) {
  if (fCache.GetCellData(cell).IsLoaded()) {
    return;
  }
  ++fLoadDepth;
  const uint32_t slots = fCache.GetSlotsGeneration();
  CellData data;
  EvaluateCellData(cell, &data, nullptr);
  StoreCellData(cell, &data, slots);
  --fLoadDepth;
}

void ZorvinArea::EvaluateCellData(uint32_t cell, CellData* data,
                                  std::shared_ptr<PictureDecodeJob>* decode) {
  const uint32_t slots = fCache.GetSlotsGeneration();
  gZVCurrentCell.SetLongValue(static_cast<int32_t>(cell));
  // An expression that fails leaves the cell without a picture or a caption: loading is lazy and
  // has no one to answer to.
  if (fPictureExpression != nullptr) {
    static_cast<void>(EvalPictureExpression(data, decode));
  }
  // The picture's evaluation may have run database code that closed the area or changed what
  // it evaluates.
  if (fCaptionExpression != nullptr && !IsClosed() && fCache.GetSlotsGeneration() == slots) {
    static_cast<void>(EvalCaptionExpression(&data->fCaption));
  }
  data->fLoaded = true;
}

void ZorvinArea::StoreCellData(uint32_t cell, CellData* data, uint32_t slots) {
  // What was evaluated for slots that are gone is dropped, and so is what comes after database
  // code loaded this cell itself; the cache keeps nothing when it has no slots.
  if (IsClosed() || fCache.GetSlotsGeneration() != slots || fCache.GetCellData(cell).IsLoaded()) {
    data->Clear();
    return;
  }
  fCache.SetCellData(cell, *data);
  if (!fCache.GetCellData(cell).IsLoaded()) {
    data->Clear();
  }
}

int32_t ZorvinArea::EvalPictureExpression(CellData* data,
                                          std::shared_ptr<PictureDecodeJob>* deferred) {
  ValueBlock result;
  ClearValueBlock(&result, kFDUndefined);
  int32_t error = FourD::ExecTokenizedFuncV12(fPictureExpression, &result);
  if (error == kFDErrNone) {
    if (GetValueKind(&result) == kFDPicture) {
      error = MakeCellPicture(GetValuePicture(&result), data, deferred);
    } else {
      error = kFDErrBadParameter;
    }
  }
  FreeValueBlock(&result);
  return error;
}

int32_t ZorvinArea::CaptionDateTimeFormat() const {
  int32_t format = 0;
  for (const PA_Unichar* c = fCaptionTextFormat; *c >= '0' && *c <= '9'; ++c) {
    if (format > (INT32_MAX - 9) / 10) {
      break;
    }
    format = format * 10 + (*c - '0');
  }
  return format;
}

int32_t ZorvinArea::EvalCaptionExpression(PA_Unichar** caption) {
  *caption = nullptr;
  ValueBlock result;
  ClearValueBlock(&result, kFDUndefined);
  int32_t error = FourD::ExecTokenizedFuncV12(fCaptionExpression, &result);
  if (error == kFDErrNone) {
    if (GetValueKind(&result) == kFDText) {
      PA_Unichar* text = TerminatedCopy(GetValueText(&result));
      *caption = SetAllocTextLineEndings(text, kZVLineEndingCRLF);
      free(text);
    } else {
      PA_Unichar formatted[kFormattedUnits] = {};
      switch (GetValueKind(&result)) {
      case kFDBoolean:
        FourD::FormatBoolean(GetValueBoolean(&result), fCaptionTextFormat, formatted,
                             kFormattedUnits);
        break;
      case kFDLongint:
        FourD::FormatLong(GetValueLong(&result), fCaptionTextFormat, formatted, kFormattedUnits);
        break;
      case kFDReal:
        FourD::FormatReal(GetValueReal(&result), fCaptionTextFormat, formatted, kFormattedUnits);
        break;
      case kFDDate: {
        const DateBlock date = GetValueDate(&result);
        FourD::FormatDate(&date, CaptionDateTimeFormat(), formatted, kFormattedUnits);
        break;
      }
      case kFDTime:
        FourD::FormatTime(GetValueLong(&result), CaptionDateTimeFormat(), formatted,
                          kFormattedUnits);
        break;
      default:
        break;
      }
      formatted[kFormattedUnits - 1] = 0;
      *caption = SetAllocTextLineEndings(formatted, kZVLineEndingCRLF);
    }
    if (*caption == nullptr) {
      error = kFDErrNoMemory;
    }
  }
  FreeValueBlock(&result);
  return error;
}

namespace {

void FreeExpression(PA_Unichar** text, FDHandle* tokens) {
  free(*text);
  *text = nullptr;
  FourD::DisposeHandleV11(*tokens);
  *tokens = nullptr;
}

} // namespace

void ZorvinArea::ClearCountExpression() {
  FreeExpression(&fCountExpressionText, &fCountExpression);
}

void ZorvinArea::ClearPictureExpression() {
  FreeExpression(&fPictureExpressionText, &fPictureExpression);
}

void ZorvinArea::ClearCaptionExpression() {
  FreeExpression(&fCaptionExpressionText, &fCaptionExpression);
}
