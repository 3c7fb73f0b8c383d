// The example design, which shows every kind of the design side, imported end to end.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "design_import.h"

namespace design_test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ExampleDesign : public DesignImport {
  protected:
    void ImportExample() {
        std::ifstream file(std::string(FIXTURES) + "/example_design.sch", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        Import(text.str());
    }
};

TEST_F(ExampleDesign, EverySheetTitleAndProjectDocumentIsMade) {
    ImportExample();
    EXPECT_THAT(DocumentNames(), ElementsAre("Frame", "controller.prj", "Main", "CPU", "IO"));
    EXPECT_EQ(Objects<qelsch::SheetSymbol>(*Document("controller.prj")).size(), 2u);

    const qelsch::Document& main = *Document("Main");
    EXPECT_EQ(main.options.sheetStyle, 6);
    EXPECT_EQ(main.options.customX, 1700);
    EXPECT_EQ(Objects<qelsch::Part>(main).size(), 4u);
    EXPECT_EQ(Objects<qelsch::PowerObject>(main).size(), 2u);
    EXPECT_EQ(Objects<qelsch::BusEntry>(main).size(), 2u);
    EXPECT_EQ(Objects<qelsch::Bus>(main).size(), 1u);
    EXPECT_EQ(Objects<qelsch::NetLabel>(main).size(), 3u);
    EXPECT_EQ(Objects<qelsch::Junction>(main).size(), 1u);
    // Six sheet ports and the link component's port.
    EXPECT_EQ(Objects<qelsch::Port>(main).size(), 7u);
    EXPECT_EQ(Objects<qelsch::Annotation>(main).size(), 3u);  // two lines, then one
    EXPECT_EQ(Document("IO")->options.borderOn, 0);
    EXPECT_EQ(Document("Frame")->options.titleSheet, 1);

    // On CPU the link pin meets the IRQ wire, which a port of that name carries: removed.
    const qelsch::Document& cpu = *Document("CPU");
    EXPECT_EQ(Objects<qelsch::Port>(cpu).size(), 1u);

    const auto load = LoadWarnings();
    EXPECT_THAT(load, Contains(HasSubstr("Sheet connectors not supported! SC1(200, 100)")));
    const auto imported = ImportWarnings();
    EXPECT_THAT(imported, Contains(HasSubstr("Default port width of 30 used.")));
    EXPECT_THAT(imported, Contains(HasSubstr("ZORVAN Port will be approximated")));
    EXPECT_THAT(imported, Contains(HasSubstr("Link component replaced with a port.")));
    EXPECT_THAT(imported, Contains(HasSubstr("Link component L2(800,500) removed.")));
}

// The example that `make demo` shows: every part it places has a symbol for its part number,
// so each part shows its own designator and comment where the symbol puts them, none keeps the
// editor's default texts at the sheet's origin.
TEST_F(ExampleDesign, TheDemoExamplePlacesEveryPartWithItsSymbol) {
    std::ifstream file(std::string(EXAMPLES) + "/controller.sch", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    Import(text.str());
    size_t parts = 0;
    for (const char* sheet : {"Main", "CPU", "IO"}) {
        ASSERT_NE(Document(sheet), nullptr) << sheet;
        for (const qelsch::Part* part : Objects<qelsch::Part>(*Document(sheet))) {
            ++parts;
            const qelsch::SchObject* designator =
                qelsch::Editor().FindObject(part->designatorField);
            const qelsch::Text* field = designator ? designator->As<qelsch::Text>() : nullptr;
            ASSERT_NE(field, nullptr);
            SCOPED_TRACE(std::string(sheet) + " " + field->text + " part " +
                         std::to_string(part->currentPartId));
            EXPECT_FALSE(field->isHidden);
            EXPECT_NE(field->location, (qelsch::SchPoint{0, 0}));
        }
    }
    EXPECT_EQ(parts, 6u);  // U1 parts 1 to 3, R1, R2 and the module block M1
}

}  // namespace
}  // namespace design_test
