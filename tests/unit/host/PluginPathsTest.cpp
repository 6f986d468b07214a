#include <gtest/gtest.h>

#include <limits.h>
#include <string.h>
#include <unistd.h>

#include <string>

#include "host/FourD.h"
#include "host/PluginPaths.h"

namespace {

std::u16string ResourcesFor(const std::u16string& library, size_t capacity = 600) {
  PA_Unichar out[600];
  const size_t units =
      MakeResourcesFolderPath(reinterpret_cast<const PA_Unichar*>(library.c_str()), out, capacity);
  if (units == 0) {
    return u"<none>";
  }
  EXPECT_EQ(out[units], 0);
  return std::u16string(reinterpret_cast<const char16_t*>(out), units);
}

std::u16string Wide(const PA_Unichar* text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

} // namespace

TEST(PluginPaths, ResourcesFolderReplacesTheLastTwoComponents) {
  EXPECT_EQ(ResourcesFor(u"/opt/Zorvi.bundle/Contents/Linux/libzorvi.so"),
            u"/opt/Zorvi.bundle/Contents/Resources");
  EXPECT_EQ(ResourcesFor(u"/Contents/Linux/libzorvi.so"), u"/Contents/Resources");
  EXPECT_EQ(ResourcesFor(u"/Linux/libzorvi.so"), u"/Resources");
  EXPECT_EQ(ResourcesFor(u"Linux/libzorvi.so"), u"Resources");
  EXPECT_EQ(ResourcesFor(u"libzorvi.so"), u"Resources");
  EXPECT_EQ(ResourcesFor(u""), u"Resources");
  EXPECT_EQ(ResourcesFor(u"/a/b/c", 5), u"<none>");
  EXPECT_EQ(ResourcesFor(u"/a/b/c", 13), u"/a/Resources");
  EXPECT_EQ(ResourcesFor(u"/a/b/c", 12), u"<none>");
}

// Linked into this program, the library's path is the program's own.
TEST(PluginPaths, LoadTimeRecordsThePathsOfLibraryAndProgram) {
  char exe[PATH_MAX] = {};
  ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
  EXPECT_STREQ(FourD::fProcessFilePath, exe);
  EXPECT_STREQ(FourD::fPluginFilePath, exe);
  const std::string folder(exe, strrchr(exe, '/') + 1);
  EXPECT_STREQ(FourD::fPluginDir, folder.c_str());
  EXPECT_EQ(Wide(sPluginFilePath), std::u16string(exe, exe + strlen(exe)));
  EXPECT_NE(sPluginInstance, nullptr);
  EXPECT_EQ(FourD::fPluginInstance, sPluginInstance);
  EXPECT_NE(FourD::fProcessHandle, nullptr);

  const PA_Unichar* resources = GetPluginBundleResourcesFolderPath();
  ASSERT_NE(resources, nullptr);
  EXPECT_EQ(GetPluginBundleResourcesFolderPath(), resources);
  EXPECT_EQ(Wide(resources), ResourcesFor(Wide(sPluginFilePath)));
}
