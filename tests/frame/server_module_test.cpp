#include "frame/server_module.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "fake_host.h"
#include "frame/client_procs.h"

namespace {

int gRuns = 0;
std::string gParameters;
void CountingCommand(IHostView*, const char* parameters) {
    ++gRuns;
    gParameters = parameters ? parameters : "";
}
void OtherCommand(IHostView*, const char*) {
    gRuns += 100;
}
void ThrowingCommand(IHostView*, const char*) {
    throw std::runtime_error("boom");
}
void StateCommand(IHostView*, int32_t a, int32_t* enabled, int32_t*, int32_t*, char* caption,
                  char*) {
    *enabled = a;
    std::strcpy(caption, "State");
}

TEST(CommandLauncherTest, NamesInAnyCaseAndTheFirstRegistrationWins) {
    TCommandLauncher launcher;
    launcher.AddCommand("RunMe", CountingCommand, nullptr);
    launcher.AddCommand("RUNME", OtherCommand, nullptr);  // ignored
    gRuns = 0;
    for (const char* name : {"RunMe", "runme", "RUNME", "rUnMe"})
        EXPECT_EQ(launcher.LaunchCommand(name, "A=1", 0, nullptr), 1) << name;
    EXPECT_EQ(gRuns, 4);
    EXPECT_EQ(gParameters, "A=1");
    EXPECT_EQ(launcher.LaunchCommand("Other", "", 0, nullptr), 0);
    EXPECT_EQ(launcher.LaunchCommand(nullptr, "", 0, nullptr), 0);
    EXPECT_EQ(gRuns, 4);
}

TEST(CommandLauncherTest, AnExceptionOfACommandStaysInTheModule) {
    TCommandLauncher launcher;
    launcher.AddCommand("Throw", ThrowingCommand, nullptr);
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(launcher.LaunchCommand("throw", "", 0, nullptr));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("boom"), std::string::npos);
}

TEST(CommandLauncherTest, CommandStateDefaultsAndStateProcedure) {
    TCommandLauncher launcher;
    launcher.AddCommand("Plain", CountingCommand, nullptr);
    launcher.AddCommand("Stated", CountingCommand, StateCommand);
    int32_t enabled = 5, checked = 5, visible = 5;
    char caption[256] = "x", image[256] = "y";
    for (const char* name : {"Plain", "Unknown"}) {
        launcher.GetCommandState(name, 9, nullptr, &enabled, &checked, &visible, caption, image);
        EXPECT_EQ(std::tie(enabled, checked, visible), std::make_tuple(-1, 0, -1)) << name;
        EXPECT_STREQ(caption, "");
        EXPECT_STREQ(image, "");
    }
    launcher.GetCommandState("stated", 9, nullptr, &enabled, &checked, &visible, caption, image);
    EXPECT_EQ(enabled, 9);
    EXPECT_STREQ(caption, "State");
}

TEST(ProcessControlTest, CountsUpAndDownFromZero) {
    TProcessControl control;
    EXPECT_EQ(control.GetProcessDepth(), 0);
    EXPECT_EQ(control.IncProcessDepth(nullptr, 42), 1);
    EXPECT_EQ(control.IncProcessDepth(nullptr, 0), 2);
    EXPECT_EQ(control.DecProcessDepth(nullptr, 0), 1);
    control.SetProcessDepth(INT32_MAX);
    EXPECT_EQ(control.IncProcessDepth(nullptr, 0), INT32_MIN);  // wraps, no overflow
    EXPECT_EQ(control.AddRef(), 0);
    EXPECT_EQ(control.Release(), 0);
}

TEST(ServerModuleTest, FactoryMakesTheModuleWithItsCommands) {
    IServerModule* module = nullptr;
    ServerFactory(&module, FakeClient());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(ModuleServer(), module);
    EXPECT_EQ(ModuleClient(), FakeClient());
    EXPECT_EQ(module->GetClient(), FakeClient());
    EXPECT_STREQ(module->GetModuleName(), "LoadZORVANSch");
    EXPECT_EQ(module->GetDocumentCount(), 0);
    EXPECT_EQ(module->CreateDocument("Sch", "New"), nullptr);
    EXPECT_EQ(module->GetDocumentCount(), 0);
    EXPECT_EQ(module->GetDocumentAt(0), nullptr);
    EXPECT_EQ(module->GetAuxCount(), 0);
    EXPECT_EQ(module->GetAuxItem(-1), nullptr);
    EXPECT_EQ(module->GetExtraValue(), 0);
    EXPECT_NE(module->GetInstanceHandle(), 0u);
    EXPECT_EQ(module->GetProcessControl()->GetProcessDepth(), 0);
    void* object = &object;
    EXPECT_NE(module->QueryInterface(TGuid{}, &object), 0);
    EXPECT_EQ(object, nullptr);
    auto* launcher = static_cast<TCommandLauncher*>(module->GetCommandLauncher());
    EXPECT_NE(launcher->FindCommand("loadzorvanschfile"), nullptr);
    EXPECT_NE(launcher->FindCommand("LOADZORVANSCHLIB"), nullptr);
    module->AddRef();
    EXPECT_EQ(module->Release(), 1);
    EXPECT_EQ(module->Release(), 0);  // the last reference frees it
    EXPECT_EQ(ModuleServer(), nullptr);
}

}  // namespace
