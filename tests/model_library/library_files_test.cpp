// Whole library files: the demo library and a real-world library, imported through the driver's
// reading and translation into the reference editor.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "library_test_support.h"

namespace {

using qelsch::DisplayMode;

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class LibraryFiles : public library_test::LibraryImport {};

TEST_F(LibraryFiles, DemoLibrary) {
    Import(ReadFile(FIXTURES "/demo.lia"));
    ASSERT_EQ(Library().components.size(), 4u);

    const qelsch::LibraryComponent* res = Component("RES_0603");
    ASSERT_NE(res, nullptr);
    EXPECT_EQ(res->texts[1], "R0603");
    EXPECT_EQ(res->texts[29], "R");
    EXPECT_EQ(res->texts[5], "Tolerance 1%");
    EXPECT_EQ(res->texts[6], "Manufacturer Ohmic Works");

    const qelsch::LibraryComponent* nand = Component("74HC00");
    ASSERT_NE(nand, nullptr);
    ASSERT_EQ(nand->parts.size(), 4u);
    EXPECT_EQ(nand->texts[1], "DIP14") << "the last pattern numbered 0 to 3";
    for (int part = 1; part <= 4; ++part) {
        SCOPED_TRACE(part);
        for (DisplayMode mode : {DisplayMode::Normal, DisplayMode::Ieee, DisplayMode::Demorgan}) {
            EXPECT_GE(Drawn<qelsch::Pin>(*nand, part, mode).size(), 3u);
        }
        const auto pins = Drawn<qelsch::Pin>(*nand, part);
        const char* outputs[] = {"3", "6", "8", "11"};
        EXPECT_EQ(pins[2]->designator, outputs[part - 1]);
        EXPECT_EQ(pins[2]->electrical, 2);
        EXPECT_EQ(Drawn<qelsch::Pin>(*nand, part, DisplayMode::Demorgan)[2]->designator,
                  outputs[part - 1]);
    }
    // The power pins no symbol draws are added once, to the first part's normal mode.
    const auto first = Drawn<qelsch::Pin>(*nand, 1);
    ASSERT_EQ(first.size(), 5u);
    EXPECT_EQ(first[3]->designator, "14");
    EXPECT_EQ(first[4]->designator, "7");
    EXPECT_EQ(first[4]->location, (qelsch::SchPoint{50, 0}));

    const qelsch::LibraryComponent* opamp = Component("OPA_GP");
    ASSERT_NE(opamp, nullptr);
    EXPECT_EQ(Drawn<qelsch::Line>(*opamp, 1, DisplayMode::Ieee).size(), 4u + 3u);
    EXPECT_EQ(opamp->texts[5], "Manufacturer Linear Parts") << "\"Value\" is a part text";
    EXPECT_EQ(opamp->texts[12], "RoHS Yes");
    EXPECT_EQ(
        ImportWarnings(),
        (std::vector<std::string>{"       1. Unable To Add Read Only Field Stock 1200 To OPA_GP",
                                  "       2. Unable To Add Read Only Field Price 0.21 To OPA_GP"}));

    const qelsch::LibraryComponent* timer = Component("NE555");
    ASSERT_NE(timer, nullptr);
    const auto texts = Drawn<qelsch::Annotation>(*timer, 1);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->text, "555");
    EXPECT_EQ(texts[1]->text, "TIMER");
    EXPECT_EQ(texts[0]->fontId, 3);
}

// A library exported by another tool: 40 component definitions, each becomes a component, and
// every component pin that names a drawn pin names it.
TEST_F(LibraryFiles, RealWorldLibrary) {
    const std::string text = ReadFile(CORPUS "/modulebit.lia");
    if (text.empty()) GTEST_SKIP() << "the corpus is not beside the repository";
    Import(text);
    size_t definitions = 0;
    for (size_t at = text.find("(compDef "); at != std::string::npos;
         at = text.find("(compDef ", at + 1)) {
        ++definitions;
    }
    EXPECT_EQ(definitions, 40u);
    EXPECT_EQ(Library().components.size(), definitions);

    const qelsch::LibraryComponent* module = Component("IC_NRF51822_MODULE");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->texts[1], "IC_NRF51822_MODULE_PASTE");
    const auto pins = Drawn<qelsch::Pin>(*module, 1);
    ASSERT_EQ(pins.size(), 42u);
    EXPECT_EQ(pins[0]->designator, "2");
    EXPECT_EQ(pins[0]->name, "GND");
    EXPECT_EQ(pins[0]->electrical, 7);
}

}  // namespace
