// The client functions through the binding table, and opening the report in the host.
#include "frame/client_procs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "fake_client.h"

namespace {

class ClientProcsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clientapi::ResetTable();
        SetModuleClient(&FClient);
        clientapi::Table().ClientAPI_ExistSpecific = [](const char* path) {
            return std::strcmp(path, "/w/missing.rpt") != 0;
        };
    }
    void TearDown() override {
        clientapi::ResetTable();
        SetModuleClient(nullptr);
    }
    TFakeClient FClient;
};

TEST_F(ClientProcsTest, TextsComeBackFromTheHostsBuffer) {
    auto& t = clientapi::Table();
    t.ClientAPI_ExtractFileNameFromPath = [](const char* path, char* out) {
        // The whole 4096-byte buffer is ours and starts cleared.
        EXPECT_TRUE(std::all_of(out, out + kClientApiBufferSize, [](char c) { return c == 0; }));
        std::strcpy(out, std::strrchr(path, '/') + 1);
    };
    t.ClientAPI_ForceFileNameExtension = [](const char* name, const char* ext, char* out) {
        std::strcpy(out, (std::string(name, std::strchr(name, '.') + 1) + ext).c_str());
    };
    t.VFSAPI_VFS_ExtractFilePath = [](const char*, char* out) {
        std::memset(out, 'p', kClientApiBufferSize);  // no terminator at all
    };
    EXPECT_EQ(clientapi::ExtractFileNameFromPath("/a/b/design.sch"), "design.sch");
    EXPECT_EQ(clientapi::ForceFileNameExtension("design.sch", "rpt"), "design.rpt");
    EXPECT_EQ(clientapi::VfsExtractFilePath("/a/"), std::string(kClientApiBufferSize - 1, 'p'));
    EXPECT_EQ(clientapi::VfsExtractFileName("/a/b"), "");  // still unbound
}

TEST_F(ClientProcsTest, VfsAssignReportsWhetherTheHostBoundTheFile) {
    TVfsTextFile file{};
    EXPECT_FALSE(clientapi::VfsAssign(file, "/w/r.rpt"));
    clientapi::Table().VFSAPI_VFSAssign = [](TVfsTextFile* f, const char* path) {
        std::strcpy(f->path, path);
    };
    EXPECT_TRUE(clientapi::VfsAssign(file, "/w/r.rpt"));
    EXPECT_STREQ(file.path, "/w/r.rpt");
}

struct TOpenCase {
    const char* Name;
    bool AlreadyOpen;
    const char* EditorName;
    bool CanOpen;
    std::vector<std::string> Expected;
};

TEST_F(ClientProcsTest, OpeningTheReport) {
    const std::string path = "/w/r.rpt";
    const TOpenCase cases[] = {
        {"open in the text editor",
         true,
         "textEdit",
         true,
         {"FindOpenDocument /w/r.rpt", "Reload /w/r.rpt", "ShowDocument /w/r.rpt",
          "RunProcess TextEdit:MoveCursorToTopOfDocument 0 0 on view 0"}},
        {"open in another editor",
         true,
         "Sch",
         true,
         {"FindOpenDocument /w/r.rpt", "Reload /w/r.rpt", "ShowDocument /w/r.rpt"}},
        {"not open",
         false,
         "",
         true,
         {"FindOpenDocument /w/r.rpt", "OpenDocument Text /w/r.rpt", "ShowDocument opened"}},
        {"not open and cannot be opened",
         false,
         "",
         false,
         {"FindOpenDocument /w/r.rpt", "OpenDocument Text /w/r.rpt"}},
    };
    for (const auto& c : cases) {
        TFakeClient client;
        TFakeDocument open(client.Log, path);
        open.Editor.Name = c.EditorName;
        client.Open = c.AlreadyOpen ? &open : nullptr;
        client.CanOpen = c.CanOpen;
        SetModuleClient(&client);
        OpenReportInHost(path);
        EXPECT_EQ(client.Log, c.Expected) << c.Name;
    }
}

TEST_F(ClientProcsTest, AMissingReportOpensNothing) {
    OpenReportInHost("/w/missing.rpt");
    EXPECT_TRUE(FClient.Log.empty());
}

}  // namespace
