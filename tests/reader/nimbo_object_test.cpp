#include "reader/nimbo_object.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "temp_file.h"

namespace {

// A tokenizer over `text` with the keyword table, and an object without owner reading from it.
struct TReading {
    explicit TReading(const std::string& text, size_t blockSize = 64)
        : File(text), Parser(File.Path(), blockSize), Object(nullptr) {
        RegisterKeywords(Parser);
        Object.FParser = &Parser;
    }
    TTempFile File;
    TNimboParser Parser;
    TNimboObject Object;
};

struct TLengthCase {
    TFileUnits Units;
    bool Schematic;
    std::string Input;  // followed by " )" so that what comes next is visible
    int32_t Expected;
};

TEST(ReadLength, UnitsUnitWordsAndRounding) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const std::vector<TLengthCase> cases = {
        // schematic units (10 mil), ties to even
        {fuMil, true, "100", 10},
        {fuMil, true, "15", 2},
        {fuMil, true, "25", 2},
        {fuMil, true, "-15", -2},
        {fuMil, true, "0.5", 0},
        {fuMil, true, "1.0 mm", 4},
        {fuMil, true, "0.1 in", 10},
        {fuMil, true, "100 MIL", 10},
        {fuMil, true, "2.54 Mm", 10},
        {fuMM, true, "2.54", 10},
        {fuMM, true, "100 mil", 10},
        {fuInch, true, "0.05", 5},
        // internal units (1/10000 mil)
        {fuMil, false, "1", 10000},
        {fuMil, false, "1 mm", 393701},
        {fuMM, false, "1", 393701},
        {fuInch, false, "0.001", 10000},
        // a unit word other than mm, in, mil is consumed and gives 0
        {fuMil, true, "5 inch", 0},
        {fuMil, true, "5 meters", 0},
        // the unit written onto the number
        {fuMil, true, "30mil", 3},
        {fuMM, true, "100MIL", 10},
        {fuMil, false, "2.0mm", 787402},
        {fuMil, true, "5.0MM", 20},
        {fuMil, true, "0.1in", 10},
        {fuMil, true, "0.1IN", 10},
        {fuMil, true, "-2.54mm", -10},
        // a text that is no number reads as 0 (a unit word after it is still consumed)
        {fuMil, true, "abc", 0},
        {fuMil, true, "abc mm", 0},
        {fuMil, true, "mil", 0},
        {fuMil, true, "\"\"", 0},
        {fuMil, true, "12x", 0},
        // beyond the 32-bit internal range: saturated
        {fuMil, false, "1e300", kMax},
        {fuMil, false, "-1e300", std::numeric_limits<int32_t>::min()},
        {fuMil, true, "1e300", 21475},
        {fuMM, false, "1e200 in", kMax},
    };
    for (const TLengthCase& c : cases) {
        TReading reading(c.Input + " )");
        reading.Object.FUnits = c.Units;
        reading.Object.FSchematicUnits = c.Schematic;
        EXPECT_EQ(reading.Object.ReadLength(), c.Expected) << c.Input;
        EXPECT_EQ(reading.Parser.NextToken(), tokClose) << c.Input << ": the ')' is left";
    }
}

TEST(ReadLength, UnknownFileUnitsGiveZero) {
    TReading reading("100 )");
    reading.Object.FUnits = static_cast<TFileUnits>(7);
    EXPECT_EQ(reading.Object.ReadLength(), 0);
}

TEST(ReadPoint, ReadsXThenYAndLeavesTheParenthesis) {
    TReading reading("(pt 100 200)(pt 1 mm 2.54mm)");
    TNimboObject& object = reading.Object;
    object.FSchematicUnits = true;
    ASSERT_EQ(reading.Parser.NextToken(), tokOpen);
    ASSERT_EQ(reading.Parser.NextToken(), kw::pt);
    EXPECT_EQ(object.ReadPoint(), (TPoint{10, 20}));
    EXPECT_EQ(reading.Parser.NextToken(), tokClose);
    reading.Parser.NextToken();
    reading.Parser.NextToken();
    EXPECT_EQ(object.ReadPoint(), (TPoint{4, 10}));
    EXPECT_EQ(reading.Parser.NextToken(), tokClose);
}

TEST(ReadValues, BooleansStringsAndNumbers) {
    struct TBoolCase {
        const char* Input;
        bool Expected;
    };
    for (const TBoolCase& c : {TBoolCase{"True", true},
                               {"TRUE", true},
                               {"true", true},
                               {"\"True\"", true},
                               {"False", false},
                               {"Yes", false},
                               {"1", false},
                               {"Truex", false}}) {
        TReading reading(std::string(c.Input) + ")");
        EXPECT_EQ(reading.Object.ReadBoolean(), c.Expected) << c.Input;
    }

    TReading reading("\"a \\\"quoted\\\" name\" Word_1 12 -3.5 x)");
    EXPECT_EQ(reading.Object.ReadString(), "a \"quoted\" name");
    EXPECT_EQ(reading.Object.ReadString(), "Word_1");
    EXPECT_EQ(reading.Object.ReadInteger(), 12);
    EXPECT_DOUBLE_EQ(reading.Object.ReadFloat(), -3.5);
    EXPECT_EQ(reading.Object.ReadInteger(), -32000);
    EXPECT_TRUE(reading.Parser.NumberError());
}

// A kind that handles only "fontType" and follows the parse loop; it records the depth at which
// each value was read.
class TFontKind : public TNimboObject {
  public:
    using TNimboObject::TNimboObject;
    std::vector<std::string> Fonts;
    std::vector<int32_t> Depths;
    std::vector<std::unique_ptr<TFontKind>> Children;

    void Parse() override {
        FDepth = 1;
        while (FDepth > 0 && !ReadingStopped()) {
            switch (FParser->NextToken()) {
                case tokOpen:
                    ++FDepth;
                    break;
                case tokClose:
                    --FDepth;
                    break;
                case kw::fontType:
                    Depths.push_back(FDepth);
                    Fonts.push_back(ReadString());
                    break;
                case kw::font:  // a child section
                    Children.push_back(std::make_unique<TFontKind>(this));
                    Children.back()->Parse();
                    --FDepth;
                    break;
                default:
                    SkipSection();
                    break;
            }
        }
    }
};

struct TParseCase {
    const char* Name;
    std::string Section;  // the section's content after its keyword, with its ")"
    std::vector<std::string> Fonts;
    size_t Children;
};

TEST(ParseLoop, SkipsWhatTheKindDoesNotHandle) {
    const std::vector<TParseCase> cases = {
        {"unknown group between two known ones",
         "(fontType Stroke) (unknownThing (a b) c) (fontType Serif))",
         {"Stroke", "Serif"},
         0},
        {"known keyword the kind does not handle", "(isVisible True (x)) (fontType A))", {"A"}, 0},
        {"surplus value ends its group",
         "(fontType Stroke extra) (fontType Serif))",
         {"Stroke", "Serif"},
         0},
        {"string and bare word in the section itself", "\"str\" word 12 (fontType X))", {"X"}, 0},
        {"empty word in the section itself", "\t, (fontType X))", {"X"}, 0},
        {"child section", "(font (fontType Inner) (junk)) (fontType Outer))", {"Outer"}, 1},
        {"truncated file keeps what was read", "(fontType Stroke) (unknown (a", {"Stroke"}, 0},
    };
    for (const TParseCase& c : cases) {
        TReading reading(c.Section + " (after)");
        TFontKind kind(&reading.Object);
        kind.Parse();
        EXPECT_EQ(kind.Fonts, c.Fonts) << c.Name;
        for (int32_t depth : kind.Depths) EXPECT_EQ(depth, 2) << c.Name;
        ASSERT_EQ(kind.Children.size(), c.Children) << c.Name;
        if (!reading.Parser.Eof()) {
            EXPECT_EQ(kind.FDepth, 0) << c.Name;
            EXPECT_EQ(reading.Parser.NextToken(), tokOpen) << c.Name << ": stopped at its ')'";
            EXPECT_EQ(reading.Parser.NextToken(), tokUnknown) << c.Name;
            EXPECT_EQ(reading.Parser.TokenText(), "after") << c.Name;
        }
    }
}

TEST(ParseLoop, ChildReadsItsOwnSection) {
    TReading reading("(font (fontType Inner) (junk (deep)) ) (fontType Outer))");
    TFontKind kind(&reading.Object);
    kind.Parse();
    ASSERT_EQ(kind.Children.size(), 1u);
    EXPECT_EQ(kind.Children[0]->Fonts, std::vector<std::string>{"Inner"});
    EXPECT_EQ(kind.Fonts, std::vector<std::string>{"Outer"});
}

TEST(ObjectContext, CopiedFromTheOwnerAtConstruction) {
    TReading reading("");
    TNimboObject owner(nullptr);
    EXPECT_EQ(owner.FKindName, "NimboObject");
    EXPECT_EQ(owner.FUnits, fuMil);
    EXPECT_FALSE(owner.FSchematicUnits);

    TNimboObject library(nullptr);
    TNimboObject netlist(nullptr);
    owner.FParser = &reading.Parser;
    owner.FUnits = fuMM;
    owner.FSchematicUnits = true;
    owner.FLibrary = &library;
    owner.FNetlist = &netlist;
    owner.FHostHandle = 77;
    owner.FDepth = 3;

    TNimboDrawObject child(&owner);
    EXPECT_EQ(child.FOwner, &owner);
    EXPECT_EQ(child.FParser, &reading.Parser);
    EXPECT_EQ(child.FUnits, fuMM);
    EXPECT_TRUE(child.FSchematicUnits);
    EXPECT_EQ(child.FLibrary, &library);
    EXPECT_EQ(child.FNetlist, &netlist);
    EXPECT_EQ(child.FHostHandle, 0u);
    EXPECT_EQ(child.FDepth, 0);
    EXPECT_EQ(child.FKindName, "Draw Object");

    owner.FUnits = fuInch;  // later changes of the owner do not reach the child
    EXPECT_EQ(child.FUnits, fuMM);

    child.SetLibrary(nullptr);
    child.SetNetlist(&library);
    EXPECT_EQ(child.FLibrary, nullptr);
    EXPECT_EQ(child.FNetlist, &library);
}

}  // namespace
