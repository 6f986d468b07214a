// The built library loads as a host would load it: every import resolves (the compatibility
// library is the emulator's, as in zorvi-host), its attach runs, and the entry points are there.
#include <gtest/gtest.h>

#include <windows.h>

TEST(PluginLibrary, LoadsWithItsImportsAndAnswersItsEntryPoints) {
  HMODULE plugin = LoadLibraryA(ZORVI_PLUGIN_DLL);
  ASSERT_NE(nullptr, plugin) << "error " << GetLastError();
  EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(plugin, "FourDPackex")));
  EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(plugin, "FourDDllMain")));
  EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(plugin, "DllMain")));
  EXPECT_TRUE(FreeLibrary(plugin));
}
