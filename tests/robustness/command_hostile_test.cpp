// Hostile files given to the command zorvan-import as a user gives them: the exit code says
// what happened, nothing is written outside the workspace, memory stays bounded, and every
// saved text is valid UTF-8 whatever bytes the file held.
#include <string>
#include <vector>

#include "robustness_support.h"

namespace robust_test {
namespace {

using CommandHostileTest = RobustnessTest;

const std::string kWire =
    "    (wire (line (pt 100.0 100.0) (pt 500.0 100.0) (width 10.0) (netNameRef \"N1\") )\r\n"
    "    )\r\n";

TEST_F(CommandHostileTest, BrokenFilesExitWithTheirCodeAndAReport) {
    struct Case {
        const char* Name;
        std::string Bytes;
        int ExitCode;
    };
    const std::string design = DesignText(Sheet("S", kWire));
    const Case cases[] = {
        {"empty", "", 5},
        {"binary",
         std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0",
                     10) +
             std::string(2000, '\xff'),
         5},
        {"cut in a quoted string", design.substr(0, design.find("N1") + 1), 0},
        {"cut in a section", design.substr(0, design.find("(pt 500")), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Write("input.sch", c.Bytes);
        fs::remove_all(FDir / "ws");
        const TRun run = RunCommand({"-o", "ws", "input.sch"});
        EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Err;
        EXPECT_TRUE(fs::exists(FDir / "ws" / "input.rpt")) << run.Out;
    }
}

TEST_F(CommandHostileTest, NamesThatArePathsWriteNothingOutsideTheWorkspace) {
    const char* const kNames[] = {
        "../../escaped",
        "/tmp/escaped-absolute",
        "..\\..\\escaped",
        "C:escaped",
        "..",
        ".",
        "a/b/c",
        "sub\\dir",
        "line\r\nbreak",
        "bell\x07tab\tesc\x1b",
        "trailing. ",
        "*?<>|\"",
        "con",
    };
    std::string sheets;
    for (const char* name : kNames) {
        std::string quoted;
        for (const char* c = name; *c; ++c) {
            if (*c == '"' || *c == '\\') quoted += '\\';
            quoted += *c;
        }
        sheets += Sheet(quoted, kWire);
    }
    fs::create_directories(FDir / "a" / "deep");
    Write("a/deep/input.sch", DesignText(sheets, "..\\..\\escaped.sch"));
    const TRun run = RunCommand({"-o", "ws", "a/deep/input.sch"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;

    for (const fs::path& file : FilesUnder(FDir)) {
        const std::string relative = fs::relative(file, FDir).string();
        EXPECT_TRUE(relative.rfind("ws/", 0) == 0 || relative == "a/deep/input.sch") << relative;
    }
    EXPECT_FALSE(fs::exists("/tmp/escaped-absolute.json"));
    const std::vector<nlohmann::json> documents = SavedDocuments(FDir / "ws");
    EXPECT_EQ(CountObjects(documents, "wire"), std::size(kNames)) << "every sheet saved";
}

TEST_F(CommandHostileTest, HundredMegabyteStringIsCutAndMemoryStaysBounded) {
    constexpr size_t kLength = 100u * 1000u * 1000u;
    std::string text =
        DesignText(Sheet("Big", "    (text (pt 100.0 100.0) \"" + std::string(kLength, 'x') +
                                    "\" (textStyleRef \"(Default)\") )\r\n" + kWire));
    Write("big.sch", text);
    text.clear();
    text.shrink_to_fit();
    // The same design with a short text gives the command's own footprint (which a sanitizer
    // build multiplies); the long string may add little to it.
    Write("small.sch", DesignText(Sheet("Big",
                                        "    (text (pt 100.0 100.0) \"x\" (textStyleRef "
                                        "\"(Default)\") )\r\n" +
                                            kWire)));
    const TRun baseline = RunCommand({"-o", "ws-small", "small.sch"});
    ASSERT_EQ(baseline.ExitCode, 0) << baseline.Err;
    const TRun run = RunCommand({"-o", "ws", "big.sch"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_LT(run.PeakMB - baseline.PeakMB, 50.0) << "the string is never held whole";
    bool found = false;
    for (const nlohmann::json& document : SavedDocuments(FDir / "ws")) {
        for (const nlohmann::json& object : document["objects"]) {
            if (object["kind"] != "annotation") continue;
            found = true;
            EXPECT_EQ(object["text"].get<std::string>(), std::string(255, 'x'));
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(CommandHostileTest, BytesOutsideTheCodePageAreSavedAsValidUtf8) {
    // Undefined in Windows-1252 (0x81, 0x8D), malformed UTF-8 (lone continuation, cut
    // sequence, overlong form, surrogate, beyond U+10FFFF), a NUL byte and every high byte.
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b) high += static_cast<char>(b);
    const std::string bytes[] = {
        "\x81\x8D",
        "\x80",
        "\xC3",
        "\xC0\xAF",
        "\xED\xA0\x80",
        "\xF4\x90\x80\x80",
        std::string("a\0b", 3),
        high,
    };
    std::string objects;
    std::string sheets;
    for (const std::string& b : bytes) {
        objects += "    (text (pt 100.0 100.0) \"" + b + "\" )\r\n";
        sheets += Sheet("S" + b, kWire);
    }
    Write("input.sch", DesignText(Sheet("Texts", objects) + sheets));
    for (const char* codePage : {"auto", "1251", "1252", "utf-8"}) {
        SCOPED_TRACE(codePage);
        fs::remove_all(FDir / "ws");
        const TRun run = RunCommand({"-o", "ws", "--code-page", codePage, "input.sch"});
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_TRUE(IsValidUtf8(run.Out)) << "the summary names the sheets";
        size_t saved = 0;
        for (const fs::path& file : FilesUnder(FDir / "ws")) {
            if (file.extension() != ".json") continue;
            ++saved;
            EXPECT_TRUE(IsValidUtf8(file.filename().string())) << file;
            const std::string json = ReadFile(file);
            EXPECT_TRUE(IsValidUtf8(json)) << file;
            EXPECT_TRUE(nlohmann::json::accept(json)) << file;
        }
        EXPECT_GE(saved, std::size(bytes) + 1);
    }
}

}  // namespace
}  // namespace robust_test
