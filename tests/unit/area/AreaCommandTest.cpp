#if ZORVI_WITH_GRID

#include <gtest/gtest.h>

#include "../plugin/ParamBlock.h"
#include "../plugin/PluginFixture.h"
#include "area/AreaEvents.h"
#include "grid/ZorvinArea.h"
#include "grid/ZorvinAreaManager.h"
#include "plugin/AreaCheck.h"

namespace {

// The host's side of one plug-in area: its event block and reference cell.
class HostArea {
public:
  explicit HostArea(const char16_t* name = u"grid") {
    if (name != nullptr) {
      FourD::CreateFDString(&fName);
      FourD::SetFDString(&fName, reinterpret_cast<const PA_Unichar*>(name),
                         static_cast<int32_t>(std::char_traits<char16_t>::length(name)));
    }
  }
  ~HostArea() {
    if (fName.fString != nullptr) {
      FourD::DisposeFDStringBlock(&fName);
    }
  }

  EventRecord Send(uint16_t what, intptr_t message = 0) {
    EventRecord event{what, message, 0, {}, 0};
    void* params[] = {&event, &fRect, &fName, &fRefCell, &fUnused, &fObject};
    FourDPackex(kFDAreaCommand, params, nullptr, nullptr);
    return event;
  }

  int32_t fRefCell = 0;
  Rect fRect{0, 0, 100, 200};
  FDStringBlock fName{}, fUnused{}, fObject{};
};

int32_t GetAreaFlags(int32_t area) {
  ParamBlock block(5); // ZV_GetAreaFlags
  block.SetLong(0, area);
  return static_cast<int32_t>(block.Run());
}

class AreaCommand : public PluginTest {};

} // namespace

TEST_F(AreaCommand, TheFirstAreaEventMakesTheManagerAndInitGivesAUsableReference) {
  ASSERT_EQ(gZorvinAreaManager, nullptr);
  HostArea host;
  host.Send(kAreaUpdate);
  ZorvinAreaManager* manager = gZorvinAreaManager;
  ASSERT_NE(manager, nullptr);
  host.Send(kAreaInit);
  EXPECT_EQ(gZorvinAreaManager, manager) << "made once";
  ASSERT_NE(host.fRefCell, 0);
  EXPECT_NE(ZVLookUpArea(host.fRefCell), nullptr);
  EXPECT_EQ(GetAreaFlags(host.fRefCell), 0);
  host.Send(kAreaIdle);
  host.Send(kAreaDeinit);
  EXPECT_EQ(host.fRefCell, 0);
}

TEST_F(AreaCommand, StaleAndForgedReferencesGetMinus50) {
  HostArea host;
  host.Send(kAreaInit);
  int32_t ref = host.fRefCell;
  for (int32_t forged : {0, -1, ref + 1, INT32_MIN}) {
    EXPECT_EQ(GetAreaFlags(forged), -50) << forged;
  }
  host.Send(kAreaDeinit);
  EXPECT_EQ(GetAreaFlags(ref), -50);
  EXPECT_EQ(ZVLookUpArea(ref), nullptr);
}

TEST_F(AreaCommand, NamesWithoutCharactersReadAsEmpty) {
  HostArea unnamed(nullptr);
  unnamed.fName.fLength = 5; // a length without characters
  unnamed.Send(kAreaInit);
  ASSERT_NE(unnamed.fRefCell, 0);
  EXPECT_EQ(ZVLookUpArea(unnamed.fRefCell)->GetName()[0], 0);
  EventRecord event{kAreaInit, 0, 0, {}, 0};
  void* noNames[] = {&event, &unnamed.fRect, nullptr, &unnamed.fRefCell, nullptr, nullptr};
  FourDPackex(kFDAreaCommand, noNames, nullptr, nullptr);
  EXPECT_NE(unnamed.fRefCell, 0);
}

TEST_F(AreaCommand, DeinitialisingThePluginReleasesTheManagerAndItsAreas) {
  int32_t ref = 0;
  {
    HostArea first, second;
    first.Send(kAreaInit);
    second.Send(kAreaInit);
    first.Send(kAreaIdle);
    ref = second.fRefCell;
    FourDPackex(kFDDeinitPlugin, nullptr, nullptr, nullptr);
  }
  EXPECT_EQ(gZorvinAreaManager, nullptr);
  EXPECT_EQ(zvhost::CountLiveObjects().Total(), 0);

  InitPlugin(zvhost::ProgramMode::SingleUser, 0x1400);
  HostArea later;
  later.Send(kAreaInit);
  EXPECT_GT(later.fRefCell, ref) << "references are not reused after deinitialisation";
  EXPECT_EQ(GetAreaFlags(ref), -50);
  later.Send(kAreaDeinit);
}

#endif
