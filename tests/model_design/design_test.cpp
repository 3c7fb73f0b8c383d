// Documents of a design: one per sheet with its page options, the project sheet of the top-level
// sheets, and the title sheet.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design_import.h"

namespace design_test {
namespace {

using qelsch::SchPoint;
using ::testing::ElementsAre;

const char* kModuleLibrary =
    "(symbolDef \"BLOCK\" (originalName \"BLOCK\") (pin (pinNum 1) (pt 0 0)))\n"
    "(compDef \"MOD\" (compHeader (compType Module)) (attachedSymbol (partNum 1) "
    "(symbolName \"BLOCK\")))\n";

std::string Sheets(std::initializer_list<std::string_view> names,
                   std::string_view firstObjects = "") {
    std::string text;
    for (std::string_view name : names) {
        text += "(sheet \"" + std::string(name) + "\" (sheetNum 1) " +
                std::string(text.empty() ? firstObjects : "") + ")\n";
    }
    return text;
}

class Designs : public DesignImport {};

TEST_F(Designs, OneSheetMakesOneDocumentAndNoProject) {
    Import(DesignFile("", "", "(schDesignHeader (workspaceSize 10000 8000))" + Sheets({"Main"})));
    EXPECT_THAT(DocumentNames(), ElementsAre("Main"));
}

TEST_F(Designs, ModuleLinkedSheetIsNotTopLevel) {
    const std::string link =
        "(symbol (refDesRef \"M1\") (partNum 1) (pt 1000 1000) (attr \"Link\" \"cpu\" (pt 0 -200) "
        "(isVisible True) (justify UpperLeft)))";
    Import(DesignFile(
        kModuleLibrary, "(compInst \"M1\" (compRef \"MOD\") (originalName \"CPU\"))",
        "(schDesignHeader (workspaceSize 10000 8000))" + Sheets({"Main", "CPU", "IO"}, link)));
    EXPECT_THAT(DocumentNames(), ElementsAre("design.prj", "Main", "CPU", "IO"));
    const qelsch::Document* project = Document("design.prj");
    ASSERT_NE(project, nullptr);
    const auto symbols = Objects<qelsch::SheetSymbol>(*project);
    ASSERT_EQ(symbols.size(), 2u);
    // Two sheets on 1000 by 800: two columns of one row, pitch 333 by 400, size 266 by 200.
    EXPECT_EQ(symbols[0]->location, (SchPoint{166, 600}));
    EXPECT_EQ(symbols[1]->location, (SchPoint{499, 600}));
    EXPECT_EQ(symbols[0]->xSize, 266);
    EXPECT_EQ(symbols[0]->ySize, 200);
    EXPECT_EQ(TextObject(symbols[1]->sheetNameField)->text, "IO");
    EXPECT_EQ(TextObject(symbols[1]->sheetNameField)->location.y, 375);
    EXPECT_EQ(TextObject(symbols[1]->fileNameField)->text, "IO");
    EXPECT_EQ(TextObject(symbols[1]->fileNameField)->location.y, 350);

    // The module part carries the linked sheet's name, placed without turning.
    const auto parts = Objects<qelsch::Part>(*Document("Main"));
    ASSERT_EQ(parts.size(), 1u);
    const qelsch::Text* link_text = TextObject(parts[0]->sheetFileNameField);
    EXPECT_EQ(link_text->text, "cpu");
    EXPECT_EQ(link_text->isHidden, 0);
    EXPECT_EQ(link_text->location, (SchPoint{100, 70}));
}

TEST_F(Designs, FiveTopLevelSheetsFillThreeColumnsOfTwo) {
    Import(DesignFile(
        "", "",
        "(schDesignHeader (workspaceSize 10000 8000))" + Sheets({"A", "B", "C", "D", "E"})));
    const qelsch::Document* project = Document("design.prj");
    ASSERT_NE(project, nullptr);
    std::vector<SchPoint> at;
    for (const auto* symbol : Objects<qelsch::SheetSymbol>(*project))
        at.push_back(symbol->location);
    // Pitch 250 by 267; each column from the top down, then the next column.
    EXPECT_THAT(at, ElementsAre(SchPoint{125, 666}, SchPoint{125, 399}, SchPoint{375, 666},
                                SchPoint{375, 399}, SchPoint{625, 666}));
}

TEST_F(Designs, PageSizesBordersAndCustomSize) {
    struct Case {
        const char* pageSize;
        uint8_t sheetStyle;
    };
    const Case cases[] = {{"", 5},
                          {"(pageSize Size_B)", 6},
                          {"(pageSize size_a4)", 0},
                          {"(pageSize Size_A0)", 4},
                          {"(pageSize User)", 0},
                          {"(pageSize Bogus)", 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pageSize);
        SetUp();
        Import(DesignFile("", "",
                          "(schDesignHeader (workspaceSize 12000 9000))(sheet \"S\" " +
                              std::string(c.pageSize) + " (drawBorder False))"));
        const qelsch::Document* sheet = Document("S");
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->options.sheetStyle, c.sheetStyle);  // the editor's default is 0
        EXPECT_EQ(sheet->options.useCustomSheet, 1);
        EXPECT_EQ(sheet->options.customX, 1200);
        EXPECT_EQ(sheet->options.customY, 900);
        EXPECT_EQ(sheet->options.borderOn, 0);
        TearDown();
    }
}

TEST_F(Designs, WithoutHeaderTheEditorsCustomSizeStays) {
    Import(DesignFile("", "", Sheets({"S"})));
    const qelsch::Document* sheet = Document("S");
    ASSERT_NE(sheet, nullptr);
    const qelsch::DocumentOptions defaults;
    EXPECT_EQ(sheet->options.useCustomSheet, defaults.useCustomSheet);
    EXPECT_EQ(sheet->options.customX, defaults.customX);
    EXPECT_EQ(sheet->options.customY, defaults.customY);
}

TEST_F(Designs, OnlyTheLastNamedDesignTitleSheetGetsADocument) {
    Import(DesignFile(
        "", "",
        "(schDesignHeader (workspaceSize 10000 8000))"
        "(titleSheet (titleSheetNameDef \"First\"))"
        "(titleSheet \"Frame\" 1.0 (border (height 100) (width 200)) (zones (horizontalZones 4 "
        "(numDirection Descending) (numType Numeric)))"
        " (line (pt 0 0) (pt 1000 0)) (junction (pt 100 100)))"
        "(sheet \"S\" (titleSheet \"Inner\" 1.0 (line (pt 0 0) (pt 10 0))))"));
    EXPECT_THAT(DocumentNames(), ElementsAre("Frame", "S"));
    const qelsch::Document* frame = Document("Frame");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->options.titleSheet, 1);
    EXPECT_EQ(frame->options.borderOn, 1);
    EXPECT_EQ(frame->options.useCustomSheet, 1);
    EXPECT_EQ(frame->options.customX, 1000);
    EXPECT_EQ(Objects<qelsch::Line>(*frame).size(), 1u);
    EXPECT_EQ(Objects<qelsch::Junction>(*frame).size(), 1u);
    EXPECT_TRUE(Document("S")->objects.empty());
}

TEST_F(Designs, UnnamedTitleSheetMakesNothing) {
    Import(DesignFile("", "",
                      "(titleSheet (isVisible True) (line (pt 0 0) (pt 10 0)))" + Sheets({"S"})));
    EXPECT_THAT(DocumentNames(), ElementsAre("S"));
}

}  // namespace
}  // namespace design_test
