// The binding to the infrared device library, against the simulated library
// and its variants, and the data module's load/initialise and end/unload.
#include <windows.h>

#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "data/OptionMdl.h"
#include "devices/win/IrLibrary.h"

using wintest::ScopedEnv;
using wintest::SimLibrary;

namespace {

bool SimLoaded() { return GetModuleHandleW(L"USBIr.dll") != nullptr; }

void ExpectEveryWrapperMissing(IrLibrary& lib) {
  unsigned char buf[4] = {};
  int32_t len = 0;
  double p1 = 0, p2 = 0;
  EXPECT_EQ(lib.Init(), -1);
  EXPECT_EQ(lib.End(), -1);
  EXPECT_EQ(lib.StartReceive(), -1);
  EXPECT_EQ(lib.ReadData(buf, 4, &len, &p1, &p2), -1);
  EXPECT_EQ(lib.CancelReceive(), -1);
  EXPECT_EQ(lib.EmitData(1.0, 2.0, buf, 4), -1);
}

}  // namespace

TEST(IrLibrary, WithoutTheLibraryLoadFailsAndEveryWrapperReportsMissing) {
  SimLibrary folder(L"");
  ASSERT_TRUE(folder.Ready());
  IrLibrary lib;
  ExpectEveryWrapperMissing(lib);  // never loaded
  EXPECT_EQ(lib.Load(), -2);
  EXPECT_FALSE(lib.IsLoaded());
  ExpectEveryWrapperMissing(lib);  // load attempted and failed

  TOptionMdl options;
  EXPECT_EQ(options.InitIrDevice(), -2);
  EXPECT_EQ(options.CloseIrDevice(), -1);
  EXPECT_EQ(options.CloseIrDevice(), -1);  // closing twice is harmless
}

TEST(IrLibrary, PassesArgumentsAndResultsThroughEveryEntryPoint) {
  SimLibrary folder(L"USBIr");
  ASSERT_TRUE(folder.Ready());
  ScopedEnv signal(L"USBIRSIM_SIGNAL", L"0A0BFF");
  ScopedEnv param1(L"USBIRSIM_PARAM1", L"1.5");
  ScopedEnv param2(L"USBIRSIM_PARAM2", L"120.25");
  ScopedEnv emitResult(L"USBIRSIM_EMIT_RESULT", L"42");
  {
    IrLibrary lib;
    ASSERT_EQ(lib.Load(), 0);
    EXPECT_TRUE(lib.IsLoaded());
    EXPECT_EQ(lib.Load(), 0);  // already loaded: nothing happens
    EXPECT_EQ(lib.Init(), 0);
    EXPECT_EQ(lib.StartReceive(), 0);

    int32_t len = -7;
    double p1 = 0, p2 = 0;
    ASSERT_EQ(lib.ReadData(nullptr, 0, &len, &p1, &p2), 0);
    EXPECT_EQ(len, 3);
    unsigned char buf[8] = {};
    ASSERT_EQ(lib.ReadData(buf, 8, &len, &p1, &p2), 0);
    EXPECT_EQ(len, 3);
    EXPECT_EQ(buf[0], 0x0A);
    EXPECT_EQ(buf[1], 0x0B);
    EXPECT_EQ(buf[2], 0xFF);
    EXPECT_DOUBLE_EQ(p1, 1.5);
    EXPECT_DOUBLE_EQ(p2, 120.25);

    EXPECT_EQ(lib.CancelReceive(), 0);
    unsigned char code[] = {0x12, 0xAB};
    // A wrong calling convention or argument order would corrupt these or the stack.
    EXPECT_EQ(lib.EmitData(2.5, 33.75, code, 2), 42);
    EXPECT_EQ(lib.End(), 0);
  }
  EXPECT_FALSE(SimLoaded());  // the destructor unloads
  EXPECT_NE(folder.LogText().find("mode=1\tformat=7\tresult=42\tcode=    2.50,   33.75,12AB"), std::string::npos)
      << folder.LogText();
  EXPECT_EQ(folder.CallNames(),
            L"USBIrInit USBIrStartReceive USBIrReadData USBIrReadData USBIrCancelReceive USBIrEmitData USBIrEnd");
}

TEST(IrLibrary, LooksEntryPointsUpAtEveryCall) {
  SimLibrary noEmit(L"USBIr_noemit");
  ASSERT_TRUE(noEmit.Ready());
  IrLibrary lib;
  ASSERT_EQ(lib.Load(), 0);
  unsigned char code[] = {0x01};
  EXPECT_EQ(lib.EmitData(1.0, 2.0, code, 1), -1);
  EXPECT_EQ(lib.Init(), 0);  // the others are still there
  lib.Unload();
  EXPECT_FALSE(lib.IsLoaded());
  EXPECT_EQ(lib.Init(), -1);

  SimLibrary full(L"USBIr");
  ASSERT_TRUE(full.Ready());
  ASSERT_EQ(lib.Load(), 0);
  EXPECT_EQ(lib.EmitData(1.0, 2.0, code, 1), 0);  // a new library, a new lookup
  lib.Unload();  // before its folder is cleaned up
}

TEST(OptionMdlDevice, MissingInitEntryPointGivesMinusOneAndKeepsTheLibraryUntilClosed) {
  SimLibrary folder(L"USBIr_noinit");
  ASSERT_TRUE(folder.Ready());
  TOptionMdl options;
  EXPECT_EQ(options.InitIrDevice(), -1);
  EXPECT_TRUE(options.IrDevice().IsLoaded());
  EXPECT_TRUE(SimLoaded());
  EXPECT_EQ(options.IrDevice().StartReceive(), 0);
  EXPECT_EQ(options.CloseIrDevice(), 0);
  EXPECT_FALSE(options.IrDevice().IsLoaded());
  EXPECT_FALSE(SimLoaded());
  EXPECT_EQ(folder.CallNames(), L"USBIrStartReceive USBIrEnd");
}

TEST(OptionMdlDevice, InitialisationGivesTheLibrarysOwnResult) {
  SimLibrary folder(L"USBIr");
  ASSERT_TRUE(folder.Ready());
  TOptionMdl options;
  {
    ScopedEnv failing(L"USBIRSIM_INIT_RESULT", L"5");
    EXPECT_EQ(options.InitIrDevice(), 5);
  }
  // Loaded once: a second call initialises again without reloading.
  EXPECT_EQ(options.InitIrDevice(), 0);
  EXPECT_EQ(options.CloseIrDevice(), 0);
  EXPECT_EQ(options.CloseIrDevice(), -1);  // already unloaded
  EXPECT_EQ(folder.CallNames(), L"USBIrInit USBIrInit USBIrEnd");
}

TEST(OptionMdlDevice, DestroyingTheDataModuleEndsAndUnloadsTheLibrary) {
  SimLibrary folder(L"USBIr");
  ASSERT_TRUE(folder.Ready());
  {
    TOptionMdl options;
    ASSERT_EQ(options.InitIrDevice(), 0);
  }
  EXPECT_FALSE(SimLoaded());
  EXPECT_EQ(folder.CallNames(), L"USBIrInit USBIrEnd");
}
