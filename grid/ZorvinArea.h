// The grid area: a scrollable grid of picture cells with captions, laid out in rows, whose count,
// pictures and captions come from host expressions evaluated lazily for the cells in view.
#pragma once

#include <stdint.h>

#include <memory>
#include <vector>

#include "area/CXArea.h"
#include "grid/CellBlockIterator.h"
#include "grid/CellLocation.h"
#include "grid/CellRenderCache.h"
#include "grid/GridCache.h"
#include "grid/ZorvinAreaManager.h"
#include "platform/win/CGGeometry.h"
#include "platform/win/ContentView.h"
#include "sdk/FourDPluginAPI.h"
#include "sdk/HostPlatform.h"
#include "util/ZVList.h"

namespace gfx {
class Bitmap;
class Font;
class Graphics;
class GraphicsPath;
class Region;
class SolidBrush;
class StringFormat;
} // namespace gfx

class CArray;
class DragAndDropData;
class ScrollView;
class WinPoints;
class ZorvinAreaControlsWin;
class PictureDecodeJob;

enum : uint32_t {
  kZVAreaScrollsByCell = 0x200000,
  kZVAreaTipsEnabled = 0x400000,
};

enum ZorvinSelectionStyle : int32_t {
  kSelectionNone = 1,
  kSelectionSingle = 2,
  kSelectionMultiple = 6,
};

enum DropCellPart : int32_t {
  kDropBefore = 0,
  kDropAfter = 1,
};

// One cell being dragged between grid areas: its area's reference and the pressed cell.
struct DragItemData {
  int32_t fSourceArea;
  uint32_t fCell;
};

// One posted cell event, malloc'ed, queued in fPendingEvents oldest first.
struct ZorvinCellEvent {
  int32_t fCode;
  int32_t fCell;
};

enum ZorvinAlignment : int32_t {
  kZVAlignStart = 0, // left or top
  kZVAlignCenter = 1,
  kZVAlignEnd = 2, // right or bottom
};

enum ZorvinUpdateKind : int32_t {
  kZVUpdateCount = 2, // recount and drop every cached cell
  kZVUpdatePurge = 8, // drop one cell, a range, or all
};

class ZorvinArea : public CXArea {
public:
  ZorvinArea();
  ~ZorvinArea() override;

  // Life, pages and visibility
  void InitArea(AreaParams* params) override;
  void PostInitArea14(Rect* rect) override;
  bool DidEndExecutionCycle(const Rect* rect) override;
  void DoSwitchPageIn() override;
  void DoSwitchPageOut() override;
  void DidBecomeVisible() override;
  void DidBecomeInvisible() override;
  // Gives back what the area holds in its window, which goes next; the area itself may live
  // on until the command or event running on it returns.
  void CloseArea() override;
  void DoSelect() override;
  void DoDeSelect() override;
  bool IsFocusable() override { return true; }
  void CheckInvariants() const override;
  // Operations the grid adds to the framework's
  virtual void InitAreaViews();
  virtual void SetTipsEnabled(unsigned char on);
  virtual bool GetTipsEnabled() const { return (fAreaFlags & kZVAreaTipsEnabled) != 0; }
  virtual void SetScrollsByCell(unsigned char on);
  virtual bool GetScrollsByCell() const { return (fAreaFlags & kZVAreaScrollsByCell) != 0; }
  // The flags as a command sets them: kept over the form's property word at the first event.
  void ConfigureFlags(uint32_t flags);
  virtual bool CanBeSelected() { return true; }
  virtual void DoDragLeave();
  bool IsViewShown() const { return fViewShown; }
  bool IsPostInitDone() const { return fPostInitDone; }

  // Clicks, scrolling, idle work and the scroll bars
  bool DoMouseDown(EventRecord* event) override;
  bool DoScrollWheelEvent(Point where, int32_t delta, uint16_t modifiers) override;
  void DoIdle() override;
  [[nodiscard]] int32_t RevealCell(int32_t cell);
  CGPoint GetOrigin() const { return fOrigin; }
  CGFloat GetScale() const { return fScale; }
  ControlHandle GetHorzScrollBar() const { return fHorzScrollBar; }
  ControlHandle GetVertScrollBar() const { return fVertScrollBar; }
  // Scrolls `pixels` into the document on the bar's axis, clamped, and sets the bar's value with
  // it (aligned when by cell).
  void ScrollBarTo(ControlHandle bar, int64_t pixels);
  // The one way from a bar's value to the origin: sets the value and scrolls to what it stands
  // for (aligned when by cell).
  void ScrollToBarValue(ControlHandle bar, int32_t value);
  int64_t BarPosition(ControlHandle bar) const; // pixels scrolled
  // The steps along one axis, in scaled pixels: a line is a tenth of three quarters of the view
  // (the wheel's step always), a page three quarters of it; scrolling by cell, a line is a cell
  // and a page the whole cells in view.
  int32_t GetPixelLineStep(bool vertical) const;
  int32_t GetLineStep(bool vertical) const;
  int32_t GetPageStep(bool vertical) const;
  void AlignScrollToCell();
  // Whether this area counts in its window's install count of the live-scroll hook.
  bool IsLiveScrollInstalled() const { return fLiveScrollInstalled; }
  void SetLiveScrollInstalled(bool installed) { fLiveScrollInstalled = installed; }
  CGRect GetAreaViewFrame() const { return fAreaViewFrame; }
  CGRect GetContentViewFrame() const { return fContentViewFrame; }
  ContentView& GetContentView() { return fContentView; }
  const ContentView& GetContentView() const { return fContentView; }
  CGRect GetPortRelativeViewFrame(CGRect frame) const;
  CGPoint PortPointToContentView(CGPoint point) const;

  // Drawing: the host's draw event, one cell, the caret, and redraws that cannot wait
  void DoDraw(gfx::Graphics* graphics) override;
  void DrawCell(gfx::Graphics* graphics, CellLocation location);
  void DrawPlainCell(gfx::Graphics* graphics, uint32_t cell);
  void DrawCaret(gfx::Graphics* graphics);
  // Draws the plain cell from its rendering, made now when missing; false when the cell cannot
  // be drawn that way here and must be drawn as it is.
  bool DrawRenderedCell(gfx::Graphics* graphics, uint32_t cell);
  CellLook GetCellLook(const gfx::Graphics& graphics) const;
  void RedrawContentViewImmediately();
  void RedrawContentViewRectImmediately(CGRect rect);
  void RedrawDocRectImmediately(CGRect rect);
  void RedrawCellImmediately(uint32_t cell);
  void RedrawCellImmediately(CellLocation location);
  void InvalidateVisibleSelectedCells();
  // A picture of one cell as drawn, TIFF-encoded, which the caller owns.
  [[nodiscard]] int32_t CaptureCell(int32_t cell, FDPicture* picture);
  bool IsCellSelected(uint32_t cell) const;

  // Cell look: where pictures and captions go inside a cell, and how
  int32_t SetPictureRect(CGRect rect);
  CGRect GetPictureRect() const { return fPictureRect; }
  int32_t SetCaptionRect(CGRect rect);
  CGRect GetCaptionRect() const { return fCaptionRect; }
  [[nodiscard]] int32_t SetPictureDisplayFormat(int32_t format);
  int32_t GetPictureDisplayFormat() const { return fPictureFormat; }
  int32_t SetCaptionTextFormat(const PA_Unichar* format);
  const PA_Unichar* GetCaptionTextFormat() const { return fCaptionTextFormat; }

  // Back colour and back picture, behind every cell
  void SetBackColor(int32_t color) override;
  [[nodiscard]] int32_t SetBackPicture(FDPicture picture);
  // Hands the caller a copy it owns (or none), after disposing of what `picture` held.
  [[nodiscard]] int32_t GetBackPicture(FDPicture* picture) const;
  [[nodiscard]] int32_t SetBackPictureDisplayFormat(int32_t format);
  int32_t GetBackPictureDisplayFormat() const { return fBackPictureFormat; }

  // Caption text: font, alignment in the caption rectangle, colours
  [[nodiscard]] int32_t SetCaptionTextStyle(const PA_Unichar* fontName, int32_t size,
                                            int32_t style);
  const PA_Unichar* GetCaptionTextFont() const { return fCaptionFontName; }
  int32_t GetCaptionTextSize() const { return fCaptionTextSize; }
  int32_t GetCaptionTextStyle() const { return fCaptionTextStyle; }
  [[nodiscard]] int32_t SetCaptionAlignment(int32_t horizontal, int32_t vertical);
  int32_t GetCaptionHorzAlignment() const { return fCaptionHorzAlignment; }
  int32_t GetCaptionVertAlignment() const { return fCaptionVertAlignment; }
  void SetCaptionTextColors(int32_t fore, int32_t back);
  int32_t GetCaptionTextForeColor() const { return fCaptionForeColor; }
  int32_t GetCaptionTextBackColor() const { return fCaptionBackColor; }

  // Native drawing objects, built from the settings above and rebuilt when they change
  void SetupNativeAreaBackColor();
  void SetupNativeCaptionThings();
  void CleanupNativeCaptionThings();
  void SetupNativeSelectionColor();
  void CleanupNativeSelectionColor();
  const gfx::SolidBrush* GetAreaBackBrush() const { return fAreaBackBrush.get(); }
  const FDNativeImage* GetBackPictureImage() const { return fBackPictureImage; }
  const gfx::GraphicsPath* GetCellPath() const { return fCellPath.get(); }
  const gfx::Region* GetCellClipRegion() const { return fCellClipRegion.get(); }
  const gfx::GraphicsPath* GetSelectionPath() const { return fSelectionPath.get(); }
  const gfx::Font* GetCaptionFont() const { return fCaptionFont.get(); }
  const gfx::StringFormat* GetCaptionParagraphStyle() const { return fCaptionParagraphStyle.get(); }
  const gfx::SolidBrush* GetCaptionForeBrush() const { return fCaptionForeBrush.get(); }
  const gfx::SolidBrush* GetCaptionBackBrush() const { return fCaptionBackBrush.get(); }
  const gfx::SolidBrush* GetSelectionBrush() const { return fSelectionBrush.get(); }

  // Drag and drop settings: caret options and signature lists (0, -50, -108 or -29201)
  [[nodiscard]] int32_t SetDragOptions(int32_t flags, int32_t caretWidth, int32_t caretColor,
                                       int32_t blinkInterval);
  int32_t GetDragFlags() const { return fDragFlags; }
  int32_t GetCaretWidth() const { return fCaretWidth; }
  int32_t GetCaretColor() const { return fCaretColor; }
  int32_t GetCaretBlinkInterval() const { return fCaretBlinkInterval; }
  [[nodiscard]] int32_t SetDragSignatures(CArray* signatures);
  [[nodiscard]] int32_t SetDropSignatures(CArray* signatures);
  [[nodiscard]] int32_t GetDragSignatures(CArray* signatures) const;
  [[nodiscard]] int32_t GetDropSignatures(CArray* signatures) const;
  // The reference of the last internal drop's source area (which may be gone by now), and the
  // drop signature that matched.
  int32_t GetDragSourceArea() const { return fDragSourceArea; }
  const PA_Unichar* GetDropSig() const { return fDropSignature; }

  // Drags that start from a pressed cell: between grid areas, or the host's own drag of the area
  bool SupportsDragEvents() const;
  // Runs the drag between grid areas until the button is released; always false.
  bool HandleDrag(CGPoint docPoint, uint32_t modifiers, uint32_t cell);
  // Hands the area object to the host's drag when the area is draggable; always false.
  bool Handle4DDrag(CGPoint docPoint);
  void BeginDrag(CGPoint portPoint);

  // This area as the target of a drag between grid areas. `signature` (256 units, may be null)
  // receives the drop signature that matched.
  bool CanAcceptDropFrom(int32_t sourceArea, PA_Unichar* signature) const;
  void HandleDragOver(const DragItemData& item, CGPoint docPoint);
  void HandleDragLeave(const DragItemData& item);
  void HandleDrop(const DragItemData& item, CGPoint docPoint, const PA_Unichar* signature);
  void SetPendingDropEvent(int32_t sourceArea, int32_t position, const PA_Unichar* signature);

  // This area as the target of the host's drag
  bool CanAcceptDrag(FDDragAndDropInfo* info) override;
  void DoDragOver(FDDragAndDropInfo* info, CGPoint where, CGRect rect, int32_t* result) override;
  void DoDrop(FDDragAndDropInfo* info) override;
  // The place of the host's drop as the database asks for it in its form events: 1 to count,
  // -1 after the last cell or in an empty grid, 0 for none.
  int32_t Get4DDropCell();

  // The drop caret
  void EnableDragCaret(uint32_t cell, DropCellPart part);
  void DisableDragCaret();
  void StartCaretBlinkTimer();
  void StopCaretBlinkTimer();
  static void CaretTimerTask();
  void SetupNativeCaretColor();
  void CleanupNativeCaretColor();

  // Posted cell events, delivered to the event handler one per idle, oldest first; an event that
  // cannot be recorded is dropped.
  void PostCellEvent(int32_t code, int32_t cell);

  // Where a drop at a document point goes: the cell before which it lands (`cell` + part)
  DropCellPart GetDropCellAtDocPoint(uint32_t excluded, CGPoint point, uint32_t* cell) const;
  bool IsCaretVertical() const;

  // Layout setters and getters (0, or -50 for a bad argument)
  [[nodiscard]] int32_t SetCellsInBand(int32_t cells);
  int32_t GetCellsInBand() const { return fCellsInBand; }
  [[nodiscard]] int32_t SetAlignment(int32_t horizontal, int32_t vertical);
  int32_t GetHorzAlignment() const { return fHorzAlignment; }
  int32_t GetVertAlignment() const { return fVertAlignment; }
  [[nodiscard]] int32_t SetCellSize(int32_t width, int32_t height);
  int32_t GetCellWidth() const;
  int32_t GetCellHeight() const;
  [[nodiscard]] int32_t SetCellSpacing(int32_t x, int32_t y);
  int32_t GetCellXSpacing() const;
  int32_t GetCellYSpacing() const;
  [[nodiscard]] int32_t SetCellCornerRadii(int32_t xRadius, int32_t yRadius);
  int32_t GetCellCornerXRadius() const { return fCornerXRadius; }
  int32_t GetCellCornerYRadius() const { return fCornerYRadius; }
  int32_t GetCellCount() const { return fCellCount; }
  static bool IsValidHorzAlignment(int32_t alignment);
  static bool IsValidVertAlignment(int32_t alignment);

  // Layout
  void UpdateNumberOfCells();
  void UpdateLayout();
  int32_t CalcCellsPerRow(bool lessScrollbar) const;
  CGRect GetCellRect(CellLocation location, bool withSpacing) const;
  uint32_t CellLocationToIndex(CellLocation location) const;
  CellLocation CellIndexToLocation(uint32_t cell) const;
  int32_t GetRowCount() const { return fRowCount; }
  int32_t GetColumnCount() const { return fColumnCount; }
  CGSize GetDocSize() const { return fDocSize; }
  CGSize GetContentSize() const { return fContentSize; }
  bool IsHorzScrollVisible() const { return fHorzScrollNeeded; }
  bool IsVertScrollVisible() const { return fVertScrollNeeded; }
  // The platform's scroll-bar thickness, in pixels.
  static int32_t ScrollbarThickness();

  // Hit tests: document point to cell location; `nearest` splits each gap between its neighbours.
  CellLocation DocPointToSquaredCellLocation(CGPoint point, bool nearest) const;
  CellLocation DocPointToRangeCheckedCellLocation(CGPoint point, bool nearest) const;
  CellLocation DocPointToClosestSquaredCellLocation(CGPoint point, bool nearest) const;
  CellLocation DocPointToClosestRangeCheckedCellLocation(CGPoint point, bool nearest) const;
  void GetVisibleCellsBlock(CellLocation* first, CellLocation* last) const;
  CellBlockIterator GetVisibleCellsBlockIterator() const;

  // Coordinate spaces: document, scaled, natural, view, port, global
  CGPoint DocPointToScaled(CGPoint point) const;
  CGSize DocSizeToScaled(CGSize size) const;
  CGPoint ScaledPointToDoc(CGPoint point) const;
  CGSize ScaledSizeToDoc(CGSize size) const;
  CGPoint NaturalPointToScaled(CGPoint point) const;
  CGSize NaturalSizeToScaled(CGSize size) const;
  CGPoint ScaledPointToNatural(CGPoint point) const;
  CGSize ScaledSizeToNatural(CGSize size) const;
  CGPoint ViewPointToScaled(CGPoint point) const;
  CGPoint ScaledPointToView(CGPoint point) const;
  CGPoint ViewPointToDoc(CGPoint point) const;
  CGPoint DocPointToView(CGPoint point) const;
  CGPoint ViewPointToNatural(CGPoint point) const;
  CGPoint NaturalPointToView(CGPoint point) const;
  CGRect ViewRectToDoc(CGRect rect) const;
  CGRect DocRectToView(CGRect rect) const;
  CGPoint ViewPointToPort(CGPoint point) const;
  CGPoint PortPointToView(CGPoint point) const;
  CGRect ViewRectToPort(CGRect rect) const;
  CGRect PortRectToView(CGRect rect) const;
  CGPoint PortPointToGlobal(CGPoint point) const;
  CGPoint GlobalPointToPort(CGPoint point) const;
  CGPoint DocPointToGlobal(CGPoint point) const;

  // Cell data: expressions, loading, cache
  [[nodiscard]] int32_t SetCountExpression(const PA_Unichar* text);
  void ClearCountExpression();
  [[nodiscard]] int32_t SetPictureExpression(const PA_Unichar* text);
  // The expression, format and rectangle together, so that cells load once, already fitted;
  // nothing changes when the expression does not parse.
  [[nodiscard]] int32_t SetCellPicture(const PA_Unichar* text, CGRect rect, int32_t format);
  void ClearPictureExpression();
  [[nodiscard]] int32_t SetCaptionExpression(const PA_Unichar* text);
  void ClearCaptionExpression();
  const PA_Unichar* GetCountExpression() const { return fCountExpressionText; }
  const PA_Unichar* GetPictureExpression() const { return fPictureExpressionText; }
  const PA_Unichar* GetCaptionExpression() const { return fCaptionExpressionText; }
  [[nodiscard]] int32_t UpdateData(int32_t kind, uint32_t first, uint32_t second);
  [[nodiscard]] int32_t SetMaxCacheByteSize(uint32_t bytes) { return fCache.SetMaxByteSize(bytes); }
  uint32_t GetMaxCacheByteSize() const { return fCache.GetMaxByteSize(); }
  // Evaluates the visible cells not cached yet; the number evaluated.
  int32_t LoadVisibleCellData();
  void LoadCellData(uint32_t cell);
  // The picture as the cell keeps it: reduced to the size it is drawn at, or the part of it that
  // shows.
  // With `deferred`, a picture the plug-in decodes itself is left in it, to decode elsewhere.
  [[nodiscard]] int32_t
  EvalPictureExpression(CellData* data, std::shared_ptr<PictureDecodeJob>* deferred = nullptr);
  [[nodiscard]] int32_t EvalCaptionExpression(PA_Unichar** caption);
  bool IsLoadingCellData() const { return fLoadDepth > 0; }
  // Closed by its manager: a command still running on it leaves its window alone.
  bool IsClosed() const { return fClosed; }

  // Selection: the stored bits (no redraw, no event)
  void AdjustSelectionArraySize();
  void ZeroSelection();
  void SelectCell(uint32_t cell);
  void DeselectCell(uint32_t cell);
  void ToggleCellSelection(uint32_t cell);
  uint32_t FindLastSelectedCell(uint32_t cell) const; // the highest selected cell up to `cell`
  int32_t SelectedCellCount() const { return fSelectedCount; }
  uint32_t GetLastSelectedCell() const;
  int32_t GetSelectionKind() const { return fSelectionKind; }
  int32_t GetSelectionFrameColor() const { return fSelectionFrameColor; }
  int32_t GetSelectionFrameWidth() const { return fSelectionFrameWidth; }
  // Selection: what the commands, clicks and Select All do with it
  void SetSelectionToCell(uint32_t cell);
  void SelectAllCells();
  void RangeSelect(bool select);
  [[nodiscard]] int32_t ModifySelection(int32_t mode, CArray* cells);
  [[nodiscard]] int32_t SetSelection(int32_t mode, CArray* cells, int32_t cell);
  [[nodiscard]] int32_t GetSelection(CArray* cells) const;
  [[nodiscard]] int32_t GetSelectedCell(int32_t* cell) const;
  [[nodiscard]] int32_t SetSelectionOptions(int32_t kind, int32_t frameColor, int32_t frameWidth);

  // The database's event handler: a method called with the area, an event code and a cell
  [[nodiscard]] int32_t SetEventHandler(const PA_Unichar* name, uint32_t mask);
  const PA_Unichar* GetEventHandler(uint32_t* mask) const;
  int32_t CallEventHandler(int32_t code, int32_t cell);
  // Whether the manager still lists this area: database code may have closed it.
  bool IsLive() const;

  // Mouse, keys, tips and the edit menu
  bool HandleClick(CGPoint docPoint, uint32_t modifiers);
  bool IsDoubleClickOnCell(CGPoint docPoint, uint32_t cell);
  bool IsDragClick(CGPoint docPoint);
  bool DoKey(uint16_t charCode, int32_t keyCode, uint32_t modifiers) override;
  void DoCursor(Point* where) override;
  void GetEditMenuStatus(unsigned char* undo, unsigned char* cut, unsigned char* copy,
                         unsigned char* paste, unsigned char* clear, unsigned char* selectAll,
                         unsigned char* other) override;
  void DoSelectAll() override;
  // The click memory all areas share, for double clicks.
  static void ForgetClicksOn(const ZorvinArea* area);

private:
  friend class ZorvinAreaTestAccess;
  friend class ZorvinAreaLookTestAccess;

  [[nodiscard]] int32_t ParseExpression(const PA_Unichar* text, PA_Unichar** textCopy,
                                        FDHandle* tokens);
  void ReplacePictureExpression(PA_Unichar* text, FDHandle tokens);
  // Cells keep their pictures fitted: whatever changes the fitted size drops them.
  // Answers whether there was anything to drop.
  bool PurgeFittedPictures();
  // Drops them and loads the visible cells again.
  void ReloadFittedPictures();
  // One cell's expressions, on the calling thread; with `decode`, its picture may be left there
  // to decode elsewhere.
  void EvaluateCellData(uint32_t cell, CellData* data, std::shared_ptr<PictureDecodeJob>* decode);
  struct PendingCell;
  // Waits for its picture, stores it and, for a photo decoded apart, draws it; the first such
  // drawing of a load redraws the whole view (`viewDrawn` says it was done).
  void StorePendingCell(PendingCell* pending, uint32_t slots, bool* viewDrawn);
  // Into the cache, unless the area closed, its slots are no longer `slots` or database code
  // loaded the cell meanwhile; what is not stored is released.
  void StoreCellData(uint32_t cell, CellData* data, uint32_t slots);
  // The picture's bitmap as the cell keeps it, in `data`; a host error. With `deferred`, the
  // bitmap is left to decode from the job made there (data's picture stays null).
  [[nodiscard]] int32_t MakeCellPicture(FDPicture picture, CellData* data,
                                        std::shared_ptr<PictureDecodeJob>* deferred = nullptr);
  void Refresh();
  void ReleaseBackPicture();
  void ResetLayout();
  void UpdateFixedLayout();
  void UpdateAutoLayout();
  void ApplyRowsAndColumns(int32_t perRow, CGSize cell, CGSize gap);
  int32_t CellsPerRowForWidth(int64_t width) const;
  void AdjustViews();
  void SetScrollbarFrameAndVisibility(ControlHandle bar, CGRect frame, bool show);
  // Bars count in 32 bits: a longer document maps onto that range by one factor per axis, which
  // is 1 for documents that fit (the bar is then the document's pixels).
  CGFloat BarFactor(ControlHandle bar) const;
  int64_t BarToPixels(ControlHandle bar, int32_t value) const;
  int64_t BarMaximum(ControlHandle bar) const; // in pixels
  void ReleaseViews();
  void AdjustOrigin();
  void AdjustScrollbars();
  void ShowAreaView();
  void HideAreaView();
  void HandleAreaFormPageChange();
  void InvalidateAreaView();
  void InvalidateContentView();
  void SetupNativeCellPaths();
  void SetupNativeCaptionFont();
  void SetupNativeCaptionParagraphStyle();
  void SetupNativeCaptionColors();
  static std::unique_ptr<gfx::Font> CreateNativeFont(const PA_Unichar* name, int32_t size,
                                                     int32_t style);
  static std::unique_ptr<gfx::StringFormat> CreateParagraphStyle(int32_t horizontal);
  static std::unique_ptr<gfx::SolidBrush> CreateOpaqueBrush(int32_t color);
  int32_t CaptionDateTimeFormat() const;
  // Drawing one cell, in cell coordinates, and the drop caret
  void DrawCellBackground(gfx::Graphics* graphics);
  void DrawCellImage(gfx::Graphics* graphics, const CellData& data);
  void DrawCellCaptionBackground(gfx::Graphics* graphics);
  void DrawCellCaption(gfx::Graphics* graphics, const PA_Unichar* caption);
  // The height of the caption laid out in the caption width; `height` when it does not all fit
  // in that height.
  CGFloat CaptionTextHeight(const gfx::Graphics* graphics, const PA_Unichar* caption, CGFloat width,
                            CGFloat height) const;
  void DrawCellSelection(gfx::Graphics* graphics);
  static void DrawNativeImage(gfx::Graphics* graphics, const FDNativeImage* image, CGRect rect,
                              int32_t format);
  CGRect GetCaretRect(uint32_t cell, DropCellPart part) const; // document space
  // Selection bits and clicks
  bool HasSelectionBitFor(uint32_t cell) const;
  bool CheckSelectionCount() const;
  bool IsOriginInBounds() const;
  void ClearSelectionByClick();
  void ZeroSelectionAndRedraw();
  bool HandleSingleSelectionClick(uint32_t cell, uint32_t modifiers);
  bool HandleSingleSelectionCellClick(uint32_t cell);
  void SelectOnlyCellByClick(uint32_t cell);
  bool HandleMultiSelectionClick(uint32_t cell, uint32_t modifiers);
  bool HandleMultiSelectionCellClick(uint32_t cell);
  bool HandleMultiSelectionCellShiftClick(uint32_t cell);
  bool HandleMultiSelectionCellCommandClick(uint32_t cell);
  bool HandleSelectionDrag(CGPoint docPoint, uint32_t cell, uint32_t modifiers);
  void ScrollToOrigin(CGPoint origin);
  void ReleaseEventParams();
  bool DeliverPostedEvent();
  void RedrawCaretImmediately();
  // The host drag: edge zones that scroll, and the place under the pointer
  CGPoint GlobalMouseToView() const;
  void TrackDragAutoScrollAtEdge(CGPoint viewPoint);
  void AutoScrollStep(int32_t edge);
  void ShiftBackBuffer(CGPoint previousOrigin);
  int32_t HostDropCellAt(CGPoint docPoint, uint32_t* cell, DropCellPart* part) const;
  static ZorvinArea* sCaretBlinkArea; // the one area whose caret blinks

  // Life
  bool fPostInitDone = false;
  bool fFirstCycleDone = false;
  bool fClosed = false; // unlinked by the manager; its window may be gone
  ZorvinAreaProps fProps = {};
  uint32_t fAreaFlags = 0;
  bool fFlagsConfigured = false; // by a command: the property word no longer applies

  // Scale, content size and scroll origin
  CGFloat fScale = 1.0;
  CGSize fContentSize = CGSizeZero;
  CGPoint fOrigin = CGPointZero;

  // Views and scroll bars (port-relative area frame, the others relative to it)
  ControlHandle fHorzScrollBar = nullptr;
  ControlHandle fVertScrollBar = nullptr;
  bool fLiveScrollInstalled = false; // this area counts in its window's install count
  bool fDrawnSinceIdle = false;
  bool fHorzScrollNeeded = true;
  bool fVertScrollNeeded = true;
  CGRect fAreaViewFrame = CGRectZero;
  CGRect fContentViewFrame = CGRectZero;
  CGRect fHorzScrollFrame = CGRectZero;
  CGRect fVertScrollFrame = CGRectZero;
  bool fViewShown = false;
  ContentView fContentView;
  std::unique_ptr<gfx::SolidBrush> fAreaBackBrush;

  // Expressions: calloc'ed source texts and host token handles
  PA_Unichar* fCountExpressionText = nullptr;
  FDHandle fCountExpression = nullptr;
  PA_Unichar* fPictureExpressionText = nullptr;
  FDHandle fPictureExpression = nullptr;
  PA_Unichar* fCaptionExpressionText = nullptr;
  FDHandle fCaptionExpression = nullptr;
  GridCache fCache;

  // Cell geometry
  int32_t fHorzAlignment = kZVAlignStart;
  int32_t fVertAlignment = kZVAlignStart;
  int32_t fCellsInBand = 0; // 0: as many as fit
  CGSize fCellSize = CGSizeMake(160, 160);
  CGSize fCellSpacing = CGSizeZero;
  int32_t fCornerXRadius = 0;
  int32_t fCornerYRadius = 0;
  CGRect fPictureRect = CGRectZero; // cell-relative
  CGRect fCaptionRect = CGRectZero; // cell-relative
  std::unique_ptr<gfx::GraphicsPath> fCellPath;
  std::unique_ptr<gfx::Region> fCellClipRegion;
  std::unique_ptr<gfx::GraphicsPath> fSelectionPath;

  // Pictures
  // Renderings of plain cells, and what changes their look besides plain values
  CellRenderCache fRenderedCells;
  uint32_t fLookGeneration = 0;

  FDPicture fBackPicture = nullptr;
  int32_t fBackPictureFormat = 1;
  FDNativeImage* fBackPictureImage = nullptr;
  int32_t fPictureFormat = 1;

  // Captions
  PA_Unichar fCaptionTextFormat[256] = {};
  PA_Unichar fCaptionFontName[256] = {};
  int32_t fCaptionTextSize = 10;
  int32_t fCaptionTextStyle = 0;
  int32_t fCaptionHorzAlignment = 0;
  int32_t fCaptionVertAlignment = 0;
  int32_t fCaptionForeColor = 0x000000;
  int32_t fCaptionBackColor = 0xFFFFFF; // -256: no background
  std::unique_ptr<gfx::Font> fCaptionFont;
  std::unique_ptr<gfx::StringFormat> fCaptionParagraphStyle;
  std::unique_ptr<gfx::SolidBrush> fCaptionForeBrush;
  std::unique_ptr<gfx::SolidBrush> fCaptionBackBrush;

  // Selection look
  ZorvinSelectionStyle fSelectionKind = kSelectionSingle;
  int32_t fSelectionFrameColor = 0xFF0000;
  int16_t fSelectionFrameWidth = 2;
  int16_t fSelectionInsetX = 1;
  int16_t fSelectionInsetY = 1;
  std::unique_ptr<gfx::SolidBrush> fSelectionBrush;

  // Redraw and loading state
  bool fNeedsRedraw = false;
  int32_t fLoadDepth = 0; // above 0: evaluating, the content view does not draw

  // Layout results
  int32_t fCellCount = 0;
  int32_t fRowCount = 0;
  int32_t fColumnCount = 0;
  CGSize fDocSize = CGSizeZero;

  // Selection: one bit per cell (cell n is bit n - 1) and the range state
  int32_t fSelectionBitsSize = 0; // bytes
  uint32_t* fSelectionBits = nullptr;
  int32_t fSelectedCount = 0;
  uint32_t fAnchorCell = 0;
  uint32_t fClickedCell = 0;
  uint32_t fLastSelectedCell = 0;
  // Words of the bits visited by the walks over the whole selection (Select All, reading it out,
  // finding the last selected cell): their cost, which tests bound.
  mutable uint64_t fSelectionWordVisits = 0;

  // Event handler and posted cell events
  PA_Unichar fEventMethodName[64] = {};
  int32_t fEventMethodID = 0;
  uint32_t fEventMask = 0;
  FDHandle fEventParams = nullptr;
  GenericList* fPendingEvents = nullptr; // of ZorvinCellEvent*
  int32_t fEventCallDepth = 0; // handler calls running: their parameter handles must outlive them
  std::vector<FDHandle> fRetiredEventParams;

  // Click memory shared by all areas
  static const ZorvinArea* sLastClickedArea;
  static CGPoint sLastClickedPoint;
  static uint32_t sLastClickedCell;
  static uint32_t sLastClickTicks;

  // Drag and drop and the drop caret
  DragAndDropData* fDragAndDrop = nullptr;
  int32_t fDragFlags = 6;
  int32_t fCaretWidth = 2;
  int32_t fCaretColor = -254;
  int32_t fCaretBlinkInterval = 30;
  std::unique_ptr<gfx::SolidBrush> fCaretBrush;
  uint32_t fCaretCell = 0;
  DropCellPart fCaretPart = kDropBefore;
  bool fCaretShown = false;
  bool fCaretBlinkOn = false;
  uint32_t fCaretNextBlink = 0;
  int32_t fDragSourceArea = 0; // the source's area reference, not a pointer: it may be gone
  PA_Unichar fDropSignature[256] = {};

  // Host drag-over and auto-scroll
  bool fHostDragActive = false;
  int32_t fHostDropCell = 0;
  int32_t fAutoScrollEdge = 0;
  uint32_t fAutoScrollEnterTick = 0;
  uint32_t fAutoScrollLastTick = 0;
};
