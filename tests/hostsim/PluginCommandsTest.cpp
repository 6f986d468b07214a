// Plug-in commands called by name: the parameter block the host builds for each kind, outputs
// written in place, results, wrong calls as script errors, and code the plug-in runs while
// the calling method is still running.
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "FakePlugin.h"
#include "HostTestSupport.h"
#include "tests/ParamNames.h"

namespace {

using namespace hosttest;
using fakeplugin::Param;

class PluginCommands : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fakeplugin::Install();
  }
};

TEST_F(PluginCommands, LongsInAndOut) {
  fakeplugin::Command(
      5, "ZZ_Add", {kFDTypeLongIn, kFDTypeLongIn, kFDTypeLongOut}, [](void* params, void* result) {
        *Param<int32_t>(params, 2) = *Param<int32_t>(params, 0) + *Param<int32_t>(params, 1);
        fakeplugin::SetResult(result, -50);
      });
  Run("$err:=ZZ_Add(2+3;2.6;$sum)\nLOG($err;$sum)\nzz_add(1;1;$sum)\nLOG($sum)");
  const std::vector<std::string> expected = {"-50\t8", "2"};
  EXPECT_EQ(expected, fLog);
}

TEST_F(PluginCommands, ResultCellStartsZeroed) {
  fakeplugin::Command(5, "ZZ_Nothing", {}, [](void*, void*) {});
  Run("LOG(ZZ_Nothing)");
  EXPECT_EQ("0", fLog.at(0));
}

TEST_F(PluginCommands, TextsInAndOut) {
  std::u16string seen;
  fakeplugin::Command(6, "ZZ_Echo", {kFDTypeTextIn, kFDTypeTextOut}, [&seen](void* params, void*) {
    const auto* in = Param<FDStringBlock>(params, 0);
    seen = Text(*in);
    FDEngineBlock set = NewBlock();
    set.fPtr1 = Param<FDStringBlock>(params, 1);
    const std::u16string reply = seen + u"!";
    set.fPtr2 = const_cast<char16_t*>(reply.data());
    set.fParam1 = static_cast<int32_t>(reply.size());
    Call(kFDSetFDString, set);
  });
  Run("ZZ_Echo(\"hé\"+\"llo\";$out)\nLOG($out)\n$old:=\"replaced\"\nZZ_Echo(\"\";$old)\nLOG($old)");
  const std::vector<std::string> expected = {"héllo!", "!"};
  EXPECT_EQ(expected, fLog);
  EXPECT_EQ(u"", seen);
}

TEST_F(PluginCommands, PicturesInAndOut) {
  fakeplugin::Command(7, "ZZ_Copy", {kFDTypePictureIn, kFDTypePictureOut},
                      [](void* params, void* result) {
                        FDPicture* out = Param<FDPicture>(params, 1);
                        FDEngineBlock dup = NewBlock();
                        dup.fPtr1 = *Param<FDPicture>(params, 0);
                        dup = Call(kFDDuplicateFDPicture, dup);
                        *out = static_cast<FDPicture>(dup.fPtr2);
                        fakeplugin::SetResult(result, dup.fError);
                      });
  Run(std::string("READ PICTURE FILE(\"") + ZVHOST_TEST_DATA_DIR +
      "/rgb3x2.tiff\";$p)\n$err:=ZZ_Copy($p;$copy)\nLOG($err;$copy)");
  EXPECT_EQ("0\t[picture 3x2]", fLog.at(0));
}

TEST_F(PluginCommands, ArraysPassTheHostsOwnBlock) {
  uint8_t kindSeen = 0;
  fakeplugin::Command(8, "ZZ_Sum", {kFDTypeLongIn, kFDTypeLongArrayIn},
                      [&kindSeen](void* params, void* result) {
                        const auto* block = Param<unsigned char>(params, 1);
                        kindSeen = block[0];
                        if (kindSeen != kFDArrayLongint) {
                          fakeplugin::SetResult(result, -50);
                          return;
                        }
                        int32_t count = 0;
                        FDHandle h = nullptr;
                        std::memcpy(&count, block + kFDArrayCountOffset, 4);
                        std::memcpy(&h, block + kFDArrayHandleOffset, sizeof(h));
                        int32_t sum = 0;
                        for (int32_t i = 1; i <= count; ++i) {
                          sum += reinterpret_cast<int32_t*>(*h)[i];
                        }
                        fakeplugin::SetResult(result, sum);
                      });
  Run("ARRAY LONGINT($a;3)\n$a{1}:=1\n$a{2}:=20\n$a{3}:=300\nLOG(ZZ_Sum(0;$a))");
  EXPECT_EQ("321", fLog.at(0));
  // An undefined variable passes a block of kind 5 and stays undefined.
  Run("LOG(ZZ_Sum(0;$nothing))");
  EXPECT_EQ(kFDUndefined, kindSeen);
  EXPECT_EQ("-50", fLog.at(1));
}

TEST_F(PluginCommands, PluginMayMakeAnArrayOfAnUndefinedVariable) {
  fakeplugin::Command(9, "ZZ_Make", {kFDTypeLongIn, kFDTypeLongArrayOut}, [](void* params, void*) {
    auto* block = Param<unsigned char>(params, 1);
    FDEngineBlock make = NewBlock();
    make.fParam1 = kFDMemNew;
    make.fParam2 = 3 * 4;
    FDHandle h = Call(kFDMemory, make).fHandle;
    reinterpret_cast<int32_t*>(*h)[2] = 42;
    const int32_t count = 2;
    block[0] = kFDArrayLongint;
    std::memcpy(block + kFDArrayCountOffset, &count, 4);
    std::memcpy(block + kFDArrayHandleOffset, &h, sizeof(h));
  });
  Run("ZZ_Make(0;gMade)\nLOG(Size of array(gMade);gMade{2})");
  EXPECT_EQ("2\t42", fLog.at(0));
}

struct WrongCall {
  const char* code;
  const char* message;
};

void PrintTo(const WrongCall& call, std::ostream* os) {
  *os << call.code;
}

class WrongCalls : public PluginCommands, public ::testing::WithParamInterface<WrongCall> {};

TEST_P(WrongCalls, AreScriptErrorsNamingTheCommand) {
  int calls = 0;
  fakeplugin::Command(5, "ZZ_Get", {kFDTypeLongIn, kFDTypeLongOut},
                      [&calls](void*, void*) { ++calls; });
  fakeplugin::Command(6, "ZZ_Names", {kFDTypeTextArrayIn}, [&calls](void*, void*) { ++calls; });
  fakeplugin::Command(
      1, "ZZ_Area", {}, [&calls](void*, void*) { ++calls; }, 0x80000000u);
  std::string message;
  EXPECT_EQ(kFDErrRuntime, zvhost::RunCode(GetParam().code, &message));
  EXPECT_EQ(GetParam().message, message);
  EXPECT_EQ(0, calls);
}

INSTANTIATE_TEST_SUITE_P(
    Host, WrongCalls,
    ::testing::Values(
        WrongCall{"ZZ_Get(1)", "1: ZZ_Get: expects 2 parameters, got 1"},
        WrongCall{"ZZ_Get(1;2;3)", "1: ZZ_Get: expects 2 parameters, got 3"},
        WrongCall{"ZZ_Get(1;5)", "1: ZZ_Get: parameter 2 must be a variable"},
        WrongCall{"ZZ_Get(\"one\";$x)", "1: ZZ_Get: parameter 1 must be a number, not text"},
        WrongCall{"$t:=\"x\"\nZZ_Get(1;$t)",
                  "2: ZZ_Get: parameter 2 must be a long variable, not a text"},
        WrongCall{"$n:=3\nZZ_Names($n)", "2: ZZ_Names: parameter 1 must be an array, not a long"},
        WrongCall{"ZZ_Names(\"x\")", "1: ZZ_Names: parameter 1 must be an array variable"},
        WrongCall{"ZZ_Area", "1: ZZ_Area: the area command cannot be called by name"}),
    paramnames::By([](const WrongCall& c) { return std::string(c.code); }));

TEST_F(PluginCommands, PluginRunsCodeWhileTheMethodRuns) {
  // The plug-in evaluates a formula through the host from inside a command that a method
  // called, and that formula calls another method.
  fakeplugin::Command(5, "ZZ_Eval", {kFDTypeTextIn, kFDTypeLongOut},
                      [](void* params, void* result) {
                        const auto* in = Param<FDStringBlock>(params, 0);
                        FDEngineBlock tokenize = NewBlock();
                        tokenize.fPtr1 = in->fString;
                        tokenize.fParam1 = in->fLength;
                        tokenize = Call(kFDTokenizeProc, tokenize);
                        FDEngineBlock run = NewBlock();
                        run.fHandle = tokenize.fHandle;
                        run = Call(kFDExecTokenizedFunc, run);
                        *Param<int32_t>(params, 1) = Load<int32_t>(run.fValue);
                        fakeplugin::SetResult(result, run.fError);
                        FDEngineBlock dispose = NewBlock();
                        dispose.fHandle = tokenize.fHandle;
                        Call(kFDDisposeTokens, dispose);
                      });
  ASSERT_EQ(0, zvhost::DefineMethod("Triple", "LOG(\"in Triple\")\n$0:=$1*3"));
  ASSERT_EQ(0, zvhost::DefineMethod("Outer", "$local:=5\n$err:=ZZ_Eval(\"Triple(gBase)\";$r)\n"
                                             "LOG($err;$r;$local)"));
  Run("gBase:=7\nOuter");
  const std::vector<std::string> expected = {"in Triple", "0\t21\t5"};
  EXPECT_EQ(expected, fLog);
}

TEST_F(PluginCommands, FailedAssertInCodeThePluginRunsEndsTheRun) {
  bool pluginReturned = false;
  fakeplugin::Command(5, "ZZ_CallHandler", {}, [&pluginReturned](void*, void* result) {
    FDEngineBlock id = NewBlock();
    id.fUName = U(u"Handler");
    FDEngineBlock call = NewBlock();
    call.fParam1 = Call(kFDGetMethodID, id).fParam1;
    fakeplugin::SetResult(result, Call(kFDCallMethodID, call).fError);
    pluginReturned = true;
  });
  ASSERT_EQ(0,
            zvhost::DefineMethod("Handler", "ASSERT(False;\"in handler\")", "Methods/Handler.4dm"));
  std::string message;
  EXPECT_EQ(zvhost::kHostAssertionFailed,
            zvhost::RunCode("ZZ_CallHandler\nLOG(\"after\")", &message));
  EXPECT_EQ("Methods/Handler.4dm:1: assertion failed: in handler", message);
  EXPECT_TRUE(pluginReturned); // the plug-in got an error code and returned normally
  EXPECT_TRUE(fLog.empty());
}

TEST_F(PluginCommands, ManifestMakesCommandsCallable) {
  // Unique per process: test runs of other builds may share the temporary folder.
  const std::string path =
      ::testing::TempDir() + "zvhost_manifest_" + std::to_string(getpid()) + ".txt";
  {
    std::ofstream out(path);
    out << "1 ZZ_Area 80000000 00 -\n\n5 ZZ_Flags 00000000 49 89,49\n";
  }
  ASSERT_EQ(0, zvhost::LoadCommandManifest(path));
  fakeplugin::On(5, [](void* params, void* result) {
    *Param<int32_t>(params, 1) = *Param<int32_t>(params, 0) * 2;
    fakeplugin::SetResult(result, 0);
  });
  Run("$err:=ZZ_Flags(21;$flags)\nLOG($err;$flags)");
  EXPECT_EQ("0\t42", fLog.at(0));
  {
    std::ofstream out(path);
    out << "5 ZZ_Flags 00000000 49 89,49\nnot a command line\n";
  }
  std::string message;
  EXPECT_EQ(kFDErrBadParameter, zvhost::LoadCommandManifest(path, &message));
  EXPECT_EQ(path + ":2: malformed command line", message);
  EXPECT_EQ(kFDErrNotFound, zvhost::LoadCommandManifest(path + ".missing", &message));
  std::remove(path.c_str());
}

TEST_F(PluginCommands, ProcessesAreAnnounced) {
  std::vector<std::pair<int32_t, intptr_t>> seen;
  for (int32_t selector : {kFDProcessStart, kFDProcessEnd}) {
    fakeplugin::On(selector, [&seen, selector](void* params, void*) {
      seen.emplace_back(selector, reinterpret_cast<intptr_t>(params));
    });
  }
  const int32_t process = zvhost::StartProcess();
  zvhost::EndProcess(process);
  const std::vector<std::pair<int32_t, intptr_t>> expected = {{kFDProcessStart, process},
                                                              {kFDProcessEnd, process}};
  EXPECT_EQ(expected, seen);
}

} // namespace
