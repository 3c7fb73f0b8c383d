// Broken and hostile files taken the whole road in this process (validation, reading,
// translation into the reference editor, the report, saving): each ends in a clear outcome,
// never in a crash, a hang or memory without bound.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "robustness_support.h"
#include "whole_road.h"

namespace robust_test {
namespace {

const char kUnsupported[] =
    "Unsupported file version. Please try to import ZORVAN files in ASCII format!";

class WholeRoadTest : public RobustnessTest {
  protected:
    static void SetUpTestSuite() { robust::PrepareWholeRoad(); }

    robust::TRoadResult Import(std::string_view bytes) {
        return robust::RunWholeRoad(Write("input.sch", bytes), Workspace());
    }
    fs::path Workspace() const { return FDir / "workspace"; }
};

std::string Garbage(size_t size) {
    std::string bytes(size, '\0');
    uint32_t state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

std::string Repeat(std::string_view piece, size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i) text += piece;
    return text;
}

const std::string kWire =
    "    (wire (line (pt 100.0 100.0) (pt 500.0 100.0) (width 10.0) (netNameRef \"N1\") )\r\n"
    "    )\r\n";

TEST_F(WholeRoadTest, FilesNotOfTheFormatEndInTheUnsupportedVersionReport) {
    struct Case {
        const char* Name;
        std::string Bytes;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"binary garbage", Garbage(64 * 1024)},
        {"garbage after the file keyword", "NIMBO_ASCII \"a.sch\"\r\n" + Garbage(4096)},
        {"file keyword alone", "NIMBO_ASCII"},
        {"no asciiHeader", "NIMBO_ASCII \"a.sch\"\r\n(library \"L\")\r\n"},
        {"version 4", "NIMBO_ASCII \"a.sch\"\r\n(asciiHeader (asciiVersion 4 0))\r\n"},
        {"header cut short", "NIMBO_ASCII \"a.sch\"\r\n(asciiHeader (asciiVersion 3"},
        {"keyword on the second line",
         "\r\nNIMBO_ASCII \"a.sch\"\r\n(asciiHeader "
         "(asciiVersion 3 0))\r\n"},
        {"NUL bytes in the first line", std::string("NIMBO_ASCII \"a\0.sch\"\r\n", 22)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const robust::TRoadResult result = Import(c.Bytes);
        EXPECT_FALSE(result.Valid);
        EXPECT_EQ(result.Documents, 0u);
        EXPECT_TRUE(result.Saved);
        EXPECT_NE(result.Report.find(kUnsupported), std::string::npos) << result.Report;
    }
}

TEST_F(WholeRoadTest, FileCutShortKeepsWhatWasReadBeforeTheCut) {
    const std::string full =
        DesignText(Sheet("First", kWire) +
                   Sheet("Second",
                         "    (text (pt 100.0 100.0) \"a note that is cut\" (textStyleRef "
                         "\"(Default)\") )\r\n" +
                             kWire));
    const size_t second = full.find("(sheet \"Second\"");
    struct Case {
        const char* Name;
        size_t Length;
    };
    const Case cases[] = {
        {"in the middle of a quoted string", full.find("that is cut")},
        {"right after a string's backslash", full.find("that is cut")},
        {"after an opening parenthesis", second + 1},
        {"in the middle of a keyword", second + 4},
        {"in the middle of a number", full.find("100.0", second) + 2},
        {"before the design's closing parenthesis", full.rfind(')')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string cut = full.substr(0, c.Length);
        if (std::string_view(c.Name).find("backslash") != std::string_view::npos) cut += "\\";
        const robust::TRoadResult result = Import(cut);
        EXPECT_TRUE(result.Valid);
        EXPECT_TRUE(result.Saved);
        const std::vector<nlohmann::json> documents = SavedDocuments(Workspace());
        std::set<std::string> names;
        for (const nlohmann::json& document : documents) names.insert(document["name"]);
        EXPECT_TRUE(names.count("First")) << "the sheet before the cut is imported";
        EXPECT_GE(CountObjects(documents, "wire"), 1u);
    }
}

TEST_F(WholeRoadTest, DeepNestingIsReadWithoutRecursionOrHang) {
    constexpr size_t kDepth = 1000000;
    // Far beyond any stack for a reader that would recurse, and quicker under the sanitizers.
    constexpr size_t kSectionDepth = 200000;
    struct Case {
        const char* Name;
        std::string Objects;
    };
    const Case cases[] = {
        {"bare parentheses, closed", Repeat("(", kDepth) + Repeat(")", kDepth)},
        {"bare parentheses to the end of the file", Repeat("(", kDepth)},
        {"texts in texts", Repeat("(text (pt 1.0 1.0) \"t\" ", kSectionDepth)},
        {"parts in parts", Repeat("(symbol (symbolRef \"S\") (refDesRef \"U1\") ", kSectionDepth)},
        {"sheets in sheets", Repeat("(sheet \"s\" ", kSectionDepth)},
        {"wires in lines", Repeat("(wire (line (pt 1.0 1.0) ", kSectionDepth)},
        {"attributes in attributes", Repeat("(attr \"a\" \"b\" ", kSectionDepth)},
        {"ports in ports", Repeat("(port (pt 1.0 1.0) ", kSectionDepth)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const robust::TRoadResult result = Import(DesignText(Sheet("Deep", kWire + c.Objects)));
        EXPECT_TRUE(result.Valid);
        EXPECT_TRUE(result.Saved);
        EXPECT_GE(result.Documents, 1u);
    }
}

TEST_F(WholeRoadTest, NumbersOutOfEveryRangeGiveDefinedValues) {
    // Each text stands for every number of a sheet: coordinates, widths, rotations, extents,
    // sheet and part numbers. Under the sanitizers any undefined conversion fails the test.
    const char* const kNumbers[] = {
        "99999999999999999999999",
        "-99999999999999999999999",
        "1e308",
        "-1e308",
        "1e309",
        "NaN",
        "nan",
        "-nan",
        "inf",
        "-INF",
        "-0",
        "-0.0",
        "0x7fffffff",
        "0x80000000",
        "2147483648",
        "-2147483649",
        "4.9e-324",
        "1e-400",
        "214748.3647",
        "-214748.3648",
        "1.5e10",
        "+",
        "-",
        ".",
        "e5",
    };
    for (const char* n : kNumbers) {
        SCOPED_TRACE(n);
        const std::string v = n;
        const std::string pt = "(pt " + v + " " + v + ")";
        const std::string objects =
            "    (wire (line " + pt + " (pt 0.0 0.0) " + pt + " (width " + v +
            ") (netNameRef \"N\") ))\r\n" + "    (text " + pt + " \"t\" (rotation " + v +
            ") (extent " + v + " " + v + ") (isFlipped True) )\r\n" + "    (port " + pt +
            " (portType NoAngle_Sgl_Horz) (portPinLength " + v + ") (netNameRef \"P\") (rotation " +
            v + ") )\r\n" + "    (junction " + pt + " (netNameRef \"N\") )\r\n" +
            "    (bus \"B\" " + pt + " (pt 0.0 0.0) )\r\n" + "    (busEntry (busNameRef \"B\") " +
            pt + " (orient Down) )\r\n" +
            "    (symbol (symbolRef \"S\") (refDesRef \"U1\") (partNum " + v + ") " + pt +
            " (rotation " + v + ") (isFlipped True) )\r\n" + "    (line " + pt + " " + pt +
            " (width " + v + ") )\r\n" + "    (arc " + pt + " (radius " + v + ") (startAngle " + v +
            ") (sweepAngle " + v + ") )\r\n" + "    (ieeeSymbol " + pt +
            " (ieeeSymbolType 3) (height " + v + ") (rotation " + v + ") )\r\n";
        const std::string sheet =
            "  (sheet \"Numbers\" (sheetNum " + v + ")\r\n" + objects + "  )\r\n";
        const robust::TRoadResult result = Import(DesignText(sheet));
        EXPECT_TRUE(result.Valid);
        EXPECT_TRUE(result.Saved);
        EXPECT_GE(result.Documents, 1u);
        for (const nlohmann::json& document : SavedDocuments(Workspace()))
            EXPECT_TRUE(document.is_object());
    }
}

TEST_F(WholeRoadTest, LibraryNumbersOutOfEveryRangeGiveDefinedValues) {
    // Pin numbers, part counts and numbers, lengths and angles of a library's definitions; a
    // part count of two thousand million must not make as many parts.
    struct Case {
        const char* Number;
        size_t Documents;
    };
    // "inf" after a length is taken for its unit word (no unit: 0), so in "(pt inf inf)" the
    // closing parenthesis becomes the second value; the sections lose their nesting and the
    // component definition is passed over: nothing to create, and no crash.
    const Case kNumbers[] = {{"99999999999999999999999", 1},
                             {"-1e308", 1},
                             {"1e308", 1},
                             {"NaN", 1},
                             {"inf", 0},
                             {"-0", 1},
                             {"2147483647", 1},
                             {"-2147483648", 1},
                             {"2000000000", 1},
                             {"+", 1}};
    for (const Case& c : kNumbers) {
        SCOPED_TRACE(c.Number);
        std::string text =
            "NIMBO_ASCII \"lib.lia\"\r\n(asciiHeader (asciiVersion 3 0) (fileUnits Mil))\r\n"
            "(library \"L\"\r\n"
            "(textStyleDef \"(Default)\" (font (fontType Stroke) (fontHeight @) (strokeWidth "
            "@)))\r\n"
            "(symbolDef \"S_1\" (originalName \"S\") (pin (pinNum @) (pt @ @) (rotation @) "
            "(pinLength @) (pinDes (text (pt 0.0 0.0) \"1\" (rotation @) (extent @ @)))) "
            "(line (pt @ 0.0) (pt 0.0 @)) (arc (pt 0.0 0.0) (radius @) (startAngle @) "
            "(sweepAngle @)) (poly (pt 0.0 0.0) (pt @ 1.0) (pt 2.0 @)) (attr \"RefDes\" \"\" "
            "(pt @ @) (rotation @) (isVisible True)))\r\n"
            "(compDef \"C_1\" (originalName \"C\") (compHeader (numPins @) (numParts @) "
            "(refDesPrefix \"U\")) (compPin \"1\" (partNum @) (symPinNum @) (pinType Input)) "
            "(attachedSymbol (partNum @) (altType Normal) (symbolName \"S\")))\r\n)\r\n";
        for (size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at))
            text.replace(at, 1, c.Number);
        const robust::TRoadResult result = Import(text);
        EXPECT_TRUE(result.Valid);
        EXPECT_TRUE(result.Library);
        EXPECT_TRUE(result.Saved);
        EXPECT_EQ(result.Documents, c.Documents);
    }
}

TEST_F(WholeRoadTest, ThousandsOfSheetsEachGetADocument) {
    constexpr int kSheets = 3000;
    std::string sheets;
    for (int i = 0; i < kSheets; ++i) sheets += Sheet("S" + std::to_string(i), kWire);
    const robust::TRoadResult result = Import(DesignText(sheets));
    ASSERT_TRUE(result.Valid);
    EXPECT_TRUE(result.Saved);
    const std::vector<nlohmann::json> documents = SavedDocuments(Workspace());
    std::set<std::string> sheetNames;
    for (const nlohmann::json& document : documents)
        if (!document["objects"].empty() && document["objects"][0]["kind"] == "wire")
            sheetNames.insert(document["name"]);
    EXPECT_EQ(sheetNames.size(), static_cast<size_t>(kSheets));
    EXPECT_EQ(CountObjects(documents, "wire"), static_cast<size_t>(kSheets));
    EXPECT_EQ(documents.size(), result.Documents) << "one saved file per document";
}

TEST_F(WholeRoadTest, EmptyAndRepeatedSheetNamesEachGetTheirOwnFile) {
    const robust::TRoadResult result =
        Import(DesignText(Sheet("", kWire) + Sheet("", kWire) + Sheet("Dup", kWire) +
                          Sheet("Dup", kWire) + Sheet("dup", kWire) + Sheet("DUP.", kWire)));
    ASSERT_TRUE(result.Valid);
    EXPECT_TRUE(result.Saved);
    const std::vector<fs::path> files = FilesUnder(Workspace());
    size_t json = 0;
    for (const fs::path& file : files) json += file.extension() == ".json";
    EXPECT_EQ(json, result.Documents);
    EXPECT_EQ(CountObjects(SavedDocuments(Workspace()), "wire"), 6u) << "no sheet overwritten";
}

}  // namespace
}  // namespace robust_test
