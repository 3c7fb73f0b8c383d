// Binding by name in a real process: the editor's functions from the loaded editor module, the
// client's from the main program (this test exports a few of them itself).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>

#include "fake_client.h"
#include "frame/client_procs.h"
#include "frame/sch_procs.h"

namespace {

TFakeClient gClient;

}  // namespace

extern "C" {

__attribute__((visibility("default"))) bool ClientAPI_GetClientInterface(IClient** client) {
    *client = &gClient;
    return true;
}

__attribute__((visibility("default"))) void ClientAPI_ExtractFileNameFromPath(const char* path,
                                                                              char* out) {
    std::strcpy(out, std::strrchr(path, '/') + 1);
}

}  // extern "C"

namespace {

TEST(BindingTest, EditorFunctionsComeOnlyFromTheAlreadyLoadedEditorModule) {
    EXPECT_FALSE(BindSchematicApi());
    EXPECT_EQ(schapi::CreateObjectEx(kSchKindArc), 0u);

    // Loaded by its path, as a host does.
    void* editor = dlopen(FAKE_EDITOR_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(editor, nullptr) << dlerror();
    EXPECT_TRUE(BindSchematicApi());
    EXPECT_EQ(schapi::CreateObjectEx(kSchKindArc), 4201u);
    EXPECT_EQ(schapi::GetObjectIdFromObjectHandle(5), 41);
    EXPECT_EQ(schapi::Table().QueryArc, nullptr);
    EXPECT_EQ(schapi::QueryArc(0, 5, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr),
              1);

    // Binding again (each loader call does) keeps the same functions.
    EXPECT_TRUE(BindSchematicApi());
    EXPECT_EQ(schapi::CreateObjectEx(kSchKindWire), 4254u);
    dlclose(editor);
}

TEST(BindingTest, ClientFunctionsAndTheClientComeFromTheMainProgram) {
    SetModuleClient(nullptr);
    EXPECT_TRUE(BindClientApi());
    EXPECT_EQ(ModuleClient(), &gClient);
    EXPECT_EQ(clientapi::ExtractFileNameFromPath("/w/design.sch"), "design.sch");
    EXPECT_EQ(clientapi::Table().ClientAPI_ForceFileNameExtension, nullptr);
    EXPECT_EQ(clientapi::ForceFileNameExtension("design.sch", "rpt"), "");

    // ServerFactory hands the module the client it was given.
    TFakeClient other;
    SetModuleClient(&other);
    EXPECT_EQ(ModuleClient(), &other);
}

}  // namespace
