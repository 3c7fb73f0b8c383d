#include "model/ascii_file.h"

#include <gtest/gtest.h>

#include "platform/dialog_driver.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "report/report_manager.h"

namespace {

std::string Fixture(const std::string& name) {
    return std::string(FIXTURES) + "/" + name;
}

// A file object over a fixture, read as the import reads it.
struct TReadFile {
    explicit TReadFile(const std::string& name) : Parser(Fixture(name)), File(&Parser, name) {
        RegisterKeywords(Parser);
        File.FReport = &Report;
        File.FSchematicUnits = true;
    }
    TNimboParser Parser;
    TReportManager Report;
    TNimboAsciiFile File;
};

class AsciiFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::SetDialogMode(platform::TDialogMode::Scripted);
        platform::ClearScriptedDialogs();
    }
};

TEST_F(AsciiFileTest, ReadsTheSectionsOfADesign) {
    TReadFile read("design.sch");
    read.File.Parse();
    // Backslashes in the quoted name are escapes: "\W" and "\d" are dropped.
    EXPECT_EQ(read.File.FEmbeddedName, "C:orkemo.sch");
    ASSERT_NE(read.File.FHeader, nullptr);
    EXPECT_EQ(read.File.FHeader->FVersionMajor, 3);
    EXPECT_EQ(read.File.FHeader->FProgramName, "ZORVAN Schematic");
    EXPECT_EQ(read.File.FHeader->FProgramVersion, "19.02");
    EXPECT_EQ(read.File.FHeader->FTimeStamp, (std::array<int32_t, 6>{2020, 9, 13, 13, 39, 32}));
    EXPECT_NE(read.File.FLibrary, nullptr);
    EXPECT_NE(read.File.FNetlist, nullptr);
    ASSERT_NE(read.File.FDesign, nullptr);
    // The design was created after the library and the netlist: it links to both.
    EXPECT_EQ(read.File.FDesign->FLibrary, read.File.FLibrary);
    EXPECT_EQ(read.File.FDesign->FNetlist, read.File.FNetlist);
    EXPECT_TRUE(read.File.FDesign->FSchematicUnits);
    EXPECT_EQ(read.Report.LoadErrorCount, 0);
    EXPECT_TRUE(platform::ScriptedDialogs().empty());
}

TEST_F(AsciiFileTest, TheLastHeaderSetsTheUnitsOfTheSectionsAfterIt) {
    TReadFile read("two_headers.sch");
    read.File.Parse();
    ASSERT_NE(read.File.FLibrary, nullptr);
    ASSERT_NE(read.File.FDesign, nullptr);
    EXPECT_EQ(read.File.FLibrary->FUnits, fuMM);
    EXPECT_EQ(read.File.FDesign->FUnits, fuInch);
    EXPECT_EQ(read.File.FHeader->FVersionMinor, 1);
}

TEST_F(AsciiFileTest, FileUnitsWords) {
    struct TCase {
        const char* Word;
        TFileUnits Units;
    };
    for (const TCase& c : {TCase{"mm", fuMM}, TCase{"MM", fuMM}, TCase{"In", fuInch},
                           TCase{"Mil", fuMil}, TCase{"inch", fuMil}, TCase{"", fuMil}}) {
        std::string path = testing::TempDir() + "units.sch";
        std::string units = *c.Word ? std::string("(fileUnits ") + c.Word + ")" : "";
        std::ofstream(path, std::ios::binary)
            << "NIMBO_ASCII \"u.sch\"\r\n(asciiHeader (asciiVersion 3 0) " << units << ")\r\n";
        TNimboParser parser(path);
        RegisterKeywords(parser);
        TNimboAsciiFile file(&parser, path);
        file.FUnits = fuInch;  // the header decides, whatever stood before
        file.Parse();
        EXPECT_EQ(file.FUnits, c.Units) << c.Word;
    }
}

TEST_F(AsciiFileTest, ALibraryAfterTheDesignIsReadButTheDesignCannotSeeIt) {
    TReadFile read("library_after_design.sch");
    read.File.Parse();
    ASSERT_NE(read.File.FDesign, nullptr);
    EXPECT_NE(read.File.FLibrary, nullptr);
    EXPECT_EQ(read.File.FDesign->FLibrary, nullptr);
}

TEST_F(AsciiFileTest, ASectionKeywordInsideAnotherGroupStartsThatSection) {
    TReadFile read("not_first_section.sch");
    read.File.Parse();
    ASSERT_NE(read.File.FHeader, nullptr);
    EXPECT_EQ(read.File.FUnits, fuInch);
    EXPECT_NE(read.File.FDesign, nullptr);
}

TEST_F(AsciiFileTest, NoFileKeywordCountsALoadErrorWithoutALine) {
    TReadFile read("no_keyword.sch");
    read.File.Parse();
    EXPECT_EQ(read.Report.LoadErrorCount, 1);
    EXPECT_TRUE(read.Report.LoadErrors.empty());
    EXPECT_EQ(read.File.FHeader, nullptr);
    EXPECT_EQ(read.File.FDesign, nullptr);
    read.File.Translate();  // an empty tree translates to nothing
}

TEST_F(AsciiFileTest, UnexpectedEndOfFileOnlyForADesignCutShort) {
    struct TCase {
        const char* File;
        size_t Boxes;
    };
    for (const TCase& c :
         {TCase{"truncated.sch", 1}, TCase{"ends_with_paren.sch", 0}, TCase{"design.sch", 0}}) {
        platform::ClearScriptedDialogs();
        TReadFile read(c.File);
        read.File.Parse();
        ASSERT_EQ(platform::ScriptedDialogs().size(), c.Boxes) << c.File;
        if (c.Boxes) {
            EXPECT_EQ(platform::ScriptedDialogs()[0].Caption, "Lumivex Error");
            EXPECT_NE(platform::ScriptedDialogs()[0].Text.find("Unexpected End Of File"),
                      std::string::npos);
        }
        EXPECT_NE(read.File.FDesign, nullptr) << c.File;  // what was read stays
    }
}

TEST_F(AsciiFileTest, ValidationDecidesOnTheEmbeddedName) {
    struct TCase {
        const char* File;
        bool Design, Library;
    };
    for (const TCase& c :
         {TCase{"design.sch", true, false}, TCase{"library.lia", false, true},
          TCase{"library_named.sch", false, true}, TCase{"version4.sch", false, false},
          TCase{"no_header.sch", false, false}, TCase{"ferrin.sch", true, false},
          TCase{"no_keyword.sch", false, false}, TCase{"truncated.sch", true, false}}) {
        TNimboParser parser(Fixture(c.File));
        RegisterKeywords(parser);
        TNimboAsciiFile file(&parser, c.File);
        EXPECT_EQ(file.IsDesign(), c.Design) << c.File;
        // The validation rewinds: the same parser answers the second question too.
        EXPECT_EQ(file.IsLibrary(), c.Library) << c.File;
    }
}

TEST(FileNameExtensionTest, TakesTheTextFromTheLastDotUnlessASeparatorFollows) {
    struct TCase {
        const char* Name;
        const char* Extension;
    };
    for (const TCase& c : {TCase{"C:\\Work\\demo.sch", ".sch"}, TCase{"a.b.LIA", ".LIA"},
                           TCase{"C:\\dir.x\\name", ""}, TCase{"dir.x/name", ""},
                           TCase{"a.sch:", ""}, TCase{"noext", ""}, TCase{"", ""}}) {
        EXPECT_EQ(FileNameExtension(c.Name), c.Extension) << c.Name;
    }
}

}  // namespace
