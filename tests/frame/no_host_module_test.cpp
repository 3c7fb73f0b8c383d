#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "ClientAPI.h"

namespace fs = std::filesystem;

namespace {

class NoHostModuleTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ::setenv("ZORVAN_DIALOGS", "batch", 1);  // nothing may wait for an answer
        Module = ::dlopen(MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(Module, nullptr) << ::dlerror();
    }

    template <class F>
    F Export(const char* name) {
        return reinterpret_cast<F>(::dlsym(Module, name));
    }

    static inline void* Module = nullptr;
};

TEST_F(NoHostModuleTest, ExportsItsThreeFunctions) {
    EXPECT_NE(Export<ServerFactory_t>("ServerFactory"), nullptr);
    EXPECT_NE(Export<Nimbo15Validator_t>("Nimbo15Validator"), nullptr);
    EXPECT_NE(Export<Nimbo15Loader_t>("Nimbo15Loader"), nullptr);
}

TEST_F(NoHostModuleTest, EveryRoadRunsToItsEnd) {
    const std::string design = std::string(FIXTURES) + "/design.sch";
    const std::string parameters = "FileName=" + design + "|FileType=DSN";
    // The host's existence test is missing: nothing validates.
    EXPECT_EQ(Export<Nimbo15Validator_t>("Nimbo15Validator")(parameters.c_str()), 0);

    fs::path copy = fs::temp_directory_path() / ("no_host_" + std::to_string(::getpid()) + ".sch");
    fs::copy_file(design, copy, fs::copy_options::overwrite_existing);
    const std::string loaded = "FileName=" + copy.string() + "|FileType=DSN";
    testing::internal::CaptureStderr();
    EXPECT_EQ(Export<Nimbo15Loader_t>("Nimbo15Loader")(0, loaded.c_str()), 0);
    EXPECT_FALSE(fs::exists(copy));  // consumed even so

    IServerModule* server = nullptr;
    Export<ServerFactory_t>("ServerFactory")(&server, nullptr);
    ASSERT_NE(server, nullptr);
    // No view: not a schematic window. The error box closes by itself.
    EXPECT_EQ(server->GetCommandLauncher()->LaunchCommand(
                  "LoadZORVANSchFile", ("FileName=" + design).c_str(), 0, nullptr),
              1);
    server->Release();
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("Errors occured during translation"), std::string::npos) << printed;
    EXPECT_NE(printed.find("Schematic window should be active"), std::string::npos) << printed;
}

}  // namespace
