// An area's drag and drop signatures: the texts it offers as a drag source and those it accepts
// as a drop target. Indexes are 1-based.
#pragma once

#include <stdint.h>

#include "sdk/FourDPluginAPI.h"

enum : int32_t {
  kSignatureUnits = 256, // a slot: up to 255 UTF-16 units and the terminator
  kErrSignatureIndex = -29201,
};

class DragAndDropData {
public:
  DragAndDropData() = default;
  virtual ~DragAndDropData();
  DragAndDropData(const DragAndDropData&) = delete;
  DragAndDropData& operator=(const DragAndDropData&) = delete;

  void ClearDrags() { Clear(&fDrags, &fNumDrags); }
  void ClearDrops() { Clear(&fDrops, &fNumDrops); }
  // 0, or -108 with the list left empty.
  [[nodiscard]] int32_t InitDrags(int32_t count) { return Init(&fDrags, &fNumDrags, count); }
  [[nodiscard]] int32_t InitDrops(int32_t count) { return Init(&fDrops, &fNumDrops, count); }
  // `text` is cut to 255 units. -50 without a list or for an index outside it.
  [[nodiscard]] int32_t SetDragSign(int32_t index, const PA_Unichar* text);
  [[nodiscard]] int32_t SetDropSign(int32_t index, const PA_Unichar* text);
  // `out` (kSignatureUnits) is emptied first; -50 without a list, -29201 outside it.
  [[nodiscard]] int32_t GetDragSign(int32_t index, PA_Unichar* out) const;
  [[nodiscard]] int32_t GetDropSign(int32_t index, PA_Unichar* out) const;
  int32_t GetNumDrags() const { return fNumDrags; }
  int32_t GetNumDrops() const { return fNumDrops; }
  bool AcceptsDrags() const { return fNumDrags > 0 && fDrags != nullptr; }
  bool AcceptsDrops() const { return fNumDrops > 0 && fDrops != nullptr; }
  // Whether one of these drop signatures equals one of the source's drag signatures, in the
  // host's comparison; this list's order wins. `signature` (kSignatureUnits, may be null)
  // receives the matched drop signature.
  bool AcceptsDropsFrom(const DragAndDropData* source, PA_Unichar* signature) const;

private:
  static void Clear(PA_Unichar** block, int32_t* count);
  [[nodiscard]] static int32_t Init(PA_Unichar** block, int32_t* count, int32_t n);
  [[nodiscard]] static int32_t Set(PA_Unichar* block, int32_t count, int32_t index,
                                   const PA_Unichar* text);
  [[nodiscard]] static int32_t Get(const PA_Unichar* block, int32_t count, int32_t index,
                                   PA_Unichar* out);

  int32_t fNumDrags = 0;
  int32_t fNumDrops = 0;
  PA_Unichar* fDrags = nullptr; // fNumDrags slots of kSignatureUnits, calloc'ed
  PA_Unichar* fDrops = nullptr;
};
