#include <initializer_list>

#include "plugin/Glue.h"
#include "plugin/PlugInfo.h"
#include "sdk/FourDPluginAPI.h"

namespace {

constexpr uint8_t kLongIn = kFDTypeLongIn;
constexpr uint8_t kLongOut = kFDTypeLongOut;
constexpr uint8_t kPictureIn = kFDTypePictureIn;
constexpr uint8_t kPictureOut = kFDTypePictureOut;
constexpr uint8_t kTextIn = kFDTypeTextIn;
constexpr uint8_t kTextOut = kFDTypeTextOut;
constexpr uint8_t kLongArrayIn = kFDTypeLongArrayIn;
constexpr uint8_t kLongArrayOut = kFDTypeLongArrayOut;
constexpr uint8_t kTextArrayIn = kFDTypeTextArrayIn;
constexpr uint8_t kTextArrayOut = kFDTypeTextArrayOut;

// Every command but the area command returns one long, its error code.
constexpr CommandInfo Command(const char* name, GlueProc glue,
                              std::initializer_list<uint8_t> types) {
  CommandInfo info{};
  info.fName = name;
  info.fParamCount = static_cast<uint32_t>(types.size());
  uint32_t i = 0;
  for (uint8_t type : types) {
    info.fParamTypes[i++] = type;
  }
  info.fResultType = kFDTypeLongOut;
  info.fGlue = glue;
  return info;
}

// The area command's parameters are the fixed area-event block, so it declares none.
constexpr CommandInfo AreaCommand(const char* name, GlueProc glue) {
  CommandInfo info{};
  info.fName = name;
  info.fFlags = kCommandIsArea;
  info.fGlue = glue;
  return info;
}

constexpr CommandInfo kUnassigned{};

} // namespace

constexpr CommandInfo gZorvi_GlueTable[] = {
    /*  1 */ AreaCommand("Zorvi_Area", Zorvi_Area_Glue),
    /*  2 */ kUnassigned,
    /*  3 */ kUnassigned,
    /*  4 */ Command("ZV_SetAreaFlags", ZV_SetAreaFlags_Glue, {kLongIn, kLongIn}),
    /*  5 */ Command("ZV_GetAreaFlags", ZV_GetAreaFlags_Glue, {kLongIn, kLongOut}),
    /*  6 */
    Command("ZV_SetCellOptions", ZV_SetCellOptions_Glue,
            {kLongIn, kLongIn, kLongIn, kPictureIn, kLongIn, kLongIn, kLongIn}),
    /*  7 */
    Command("ZV_GetCellOptions", ZV_GetCellOptions_Glue,
            {kLongIn, kLongOut, kLongOut, kPictureOut, kLongOut, kLongOut, kLongOut}),
    /*  8 */
    Command("ZV_SetSelectionOptions", ZV_SetSelectionOptions_Glue,
            {kLongIn, kLongIn, kLongIn, kLongIn}),
    /*  9 */
    Command("ZV_GetSelectionOptions", ZV_GetSelectionOptions_Glue,
            {kLongIn, kLongOut, kLongOut, kLongOut}),
    /* 10 */ Command("ZV_SetCellsPerRow", ZV_SetCellsPerRow_Glue, {kLongIn, kLongIn}),
    /* 11 */ Command("ZV_GetCellsPerRow", ZV_GetCellsPerRow_Glue, {kLongIn, kLongOut}),
    /* 12 */ Command("ZV_SetNumCells", ZV_SetNumCells_Glue, {kLongIn, kTextIn}),
    /* 13 */ Command("ZV_GetNumCells", ZV_GetNumCells_Glue, {kLongIn, kTextOut}),
    /* 14 */ kUnassigned,
    /* 15 */ kUnassigned,
    /* 16 */ kUnassigned,
    /* 17 */ kUnassigned,
    /* 18 */ kUnassigned,
    /* 19 */ kUnassigned,
    /* 20 */
    Command("ZV_SetCellPicture", ZV_SetCellPicture_Glue,
            {kLongIn, kTextIn, kLongIn, kLongIn, kLongIn, kLongIn, kLongIn}),
    /* 21 */
    Command("ZV_GetCellPicture", ZV_GetCellPicture_Glue,
            {kLongIn, kTextOut, kLongOut, kLongOut, kLongOut, kLongOut, kLongOut}),
    /* 22 */
    Command("ZV_SetCellCaption", ZV_SetCellCaption_Glue,
            {kLongIn, kTextIn, kLongIn, kLongIn, kLongIn, kLongIn, kTextIn}),
    /* 23 */
    Command("ZV_GetCellCaption", ZV_GetCellCaption_Glue,
            {kLongIn, kTextOut, kLongOut, kLongOut, kLongOut, kLongOut, kTextOut}),
    /* 24 */ kUnassigned,
    /* 25 */
    Command("ZV_SetCaptionFont", ZV_SetCaptionFont_Glue, {kLongIn, kTextIn, kLongIn, kLongIn}),
    /* 26 */
    Command("ZV_GetCaptionFont", ZV_GetCaptionFont_Glue, {kLongIn, kTextOut, kLongOut, kLongOut}),
    /* 27 */ Command("ZV_SetCaptionColors", ZV_SetCaptionColors_Glue, {kLongIn, kLongIn, kLongIn}),
    /* 28 */
    Command("ZV_GetCaptionColors", ZV_GetCaptionColors_Glue, {kLongIn, kLongOut, kLongOut}),
    /* 29 */
    Command("ZV_SetCaptionAlignment", ZV_SetCaptionAlignment_Glue, {kLongIn, kLongIn, kLongIn}),
    /* 30 */
    Command("ZV_GetCaptionAlignment", ZV_GetCaptionAlignment_Glue, {kLongIn, kLongOut, kLongOut}),
    /* 31 */
    Command("ZVObs_SetCaptionStyle", ZVObs_SetCaptionStyle_Glue,
            {kLongIn, kTextIn, kLongIn, kLongIn, kLongIn, kLongIn, kLongIn}),
    /* 32 */
    Command("ZVObs_GetCaptionStyle", ZVObs_GetCaptionStyle_Glue,
            {kLongIn, kTextOut, kLongOut, kLongOut, kLongOut, kLongOut, kLongOut}),
    /* 33 */ Command("ZVObs_SetAreaStyle", ZVObs_SetAreaStyle_Glue, {kLongIn, kLongIn, kLongIn}),
    /* 34 */ Command("ZVObs_GetAreaStyle", ZVObs_GetAreaStyle_Glue, {kLongIn, kLongOut, kLongOut}),
    /* 35 */ Command("ZV_SetAreaAlignment", ZV_SetAreaAlignment_Glue, {kLongIn, kLongIn, kLongIn}),
    /* 36 */
    Command("ZV_GetAreaAlignment", ZV_GetAreaAlignment_Glue, {kLongIn, kLongOut, kLongOut}),
    /* 37 */ kUnassigned,
    /* 38 */ kUnassigned,
    /* 39 */ kUnassigned,
    /* 40 */ Command("ZV_SetCellSpacing", ZV_SetCellSpacing_Glue, {kLongIn, kLongIn, kLongIn}),
    /* 41 */ Command("ZV_GetCellSpacing", ZV_GetCellSpacing_Glue, {kLongIn, kLongOut, kLongOut}),
    /* 42 */ kUnassigned,
    /* 43 */ kUnassigned,
    /* 44 */ kUnassigned,
    /* 45 */ kUnassigned,
    /* 46 */ kUnassigned,
    /* 47 */ Command("ZV_SetSelection", ZV_SetSelection_Glue, {kLongIn, kLongIn, kLongArrayIn}),
    /* 48 */ Command("ZV_GetSelection", ZV_GetSelection_Glue, {kLongIn, kLongOut, kLongArrayOut}),
    /* 49 */ Command("ZV_RevealCell", ZV_RevealCell_Glue, {kLongIn, kLongIn}),
    /* 50 */ Command("ZV_UpdateArea", ZV_UpdateArea_Glue, {kLongIn, kLongIn, kLongIn, kLongIn}),
    /* 51 */
    Command("ZV_SetAreaBackgroundColor", ZV_SetAreaBackgroundColor_Glue, {kLongIn, kLongIn}),
    /* 52 */
    Command("ZV_GetAreaBackgroundColor", ZV_GetAreaBackgroundColor_Glue, {kLongIn, kLongOut}),
    /* 53 */ Command("ZV_CaptureCell", ZV_CaptureCell_Glue, {kLongIn, kLongIn, kPictureOut}),
    /* 54 */ kUnassigned,
    /* 55 */ kUnassigned,
    /* 56 */ kUnassigned,
    /* 57 */ kUnassigned,
    /* 58 */ kUnassigned,
    /* 59 */ kUnassigned,
    /* 60 */ kUnassigned,
    /* 61 */ kUnassigned,
    /* 62 */ kUnassigned,
    /* 63 */ kUnassigned,
    /* 64 */ kUnassigned,
    /* 65 */ kUnassigned,
    /* 66 */ kUnassigned,
    /* 67 */ Command("ZV_GetVersion", ZV_GetVersion_Glue, {kTextOut, kTextOut}),
    /* 68 */ Command("ZVObs_GetQuickTimeVersion", ZVObs_GetQuickTimeVersion_Glue, {kTextOut}),
    /* 69 */ kUnassigned,
    /* 70 */ kUnassigned,
    /* 71 */ Command("ZV_SetEventHandler", ZV_SetEventHandler_Glue, {kLongIn, kTextIn, kLongIn}),
    /* 72 */ Command("ZV_SetCacheSize", ZV_SetCacheSize_Glue, {kLongIn, kLongIn}),
    /* 73 */ Command("ZV_GetCacheSize", ZV_GetCacheSize_Glue, {kLongIn, kLongOut}),
    /* 74 */ kUnassigned,
    /* 75 */ kUnassigned,
    /* 76 */ kUnassigned,
    /* 77 */ kUnassigned,
    /* 78 */
    Command("ZV_SetDragOptions", ZV_SetDragOptions_Glue,
            {kLongIn, kLongIn, kLongIn, kLongIn, kLongIn}),
    /* 79 */
    Command("ZV_GetDragOptions", ZV_GetDragOptions_Glue,
            {kLongIn, kLongOut, kLongOut, kLongOut, kLongOut}),
    /* 80 */
    Command("ZVObs_SetDragSignatures", ZVObs_SetDragSignatures_Glue, {kLongIn, kTextArrayIn}),
    /* 81 */
    Command("ZVObs_GetDragSignatures", ZVObs_GetDragSignatures_Glue, {kLongIn, kTextArrayOut}),
    /* 82 */
    Command("ZVObs_SetDropSignatures", ZVObs_SetDropSignatures_Glue, {kLongIn, kTextArrayIn}),
    /* 83 */
    Command("ZVObs_GetDropSignatures", ZVObs_GetDropSignatures_Glue, {kLongIn, kTextArrayOut}),
    /* 84 */
    Command("ZVObs_GetDragSource", ZVObs_GetDragSource_Glue,
            {kLongIn, kLongOut, kLongOut, kTextOut}),
    /* 85 */ Command("ZV_GetDropCell", ZV_GetDropCell_Glue, {kLongIn, kLongOut}),
};
static_assert(sizeof gZorvi_GlueTable / sizeof gZorvi_GlueTable[0] == kZorviCommandCount);

PlugInfo gPlugInfo = {
    .fStructVersion = 0x00010000u,
    .fStructSize = sizeof(PlugInfo),
    .fProductName = "Zorvi",
    .fReserved1 = 0,
    .fProductVersion = kZorviVersion,
    .fResourceID = 11567,
    .fReserved2 = 0,
    .fReserved3 = 0,
    .fCommandCount = kZorviCommandCount,
    .fCommandTable = gZorvi_GlueTable,
    .fReserved4 = nullptr,
    .fReserved5 = 0,
};
