#include "model/copper_pour.h"

#include <array>

#include "model/board_reading.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 5> kPourTypes{{
    {"SolidPour", ptSolidPour},
    {"HorizPour", ptHorizPour},
    {"VertPour", ptVertPour},
    {"Hatch45Pour", ptHatch45Pour},
    {"Hatch90Pour", ptHatch90Pour},
}};

constexpr std::array<wordtab::TWordCode, 3> kThermalTypes{{
    {"NoTherm", ttNoTherm},
    {"Therm45", ttTherm45},
    {"Therm90", ttTherm90},
}};

constexpr std::array<wordtab::TWordCode, 4> kIslandRemovals{{
    {"None", irNone},
    {"Area", irArea},
    {"Interior", irInterior},
    {"Unconnected", irUnconnected},
}};

// A "thermal" group read in place: its first point starts a thermal, the next one ends it and
// keeps it; a further point moves the end of the thermal kept. A group of one point keeps none.
void ReadThermalPairs(TNimboObject& owner, std::vector<std::unique_ptr<TNimboThermal>>& thermals) {
    std::unique_ptr<TNimboThermal> started;
    TNimboThermal* kept = nullptr;
    ReadGroupInPlace(owner, [&](int32_t token) {
        if (token != kw::pt) return false;
        const TPoint point = owner.ReadPoint();
        if (kept != nullptr) {
            kept->FEnd = point;
        } else if (started) {
            started->FEnd = point;
            kept = started.get();
            thermals.push_back(std::move(started));
        } else {
            started = std::make_unique<TNimboThermal>(&owner);
            started->FStart = point;
        }
        return true;
    });
}

}  // namespace

TNimboThermal::TNimboThermal(TNimboObject* owner) : TNimboDrawObject(owner) {}

TNimboFillPoly::TNimboFillPoly(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Fill Poly";
}

void TNimboFillPoly::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPoints.push_back(ReadPoint());
                return true;
            case kw::rotation:
                FRotation = ReadFloat();
                return true;
            default:
                return false;
        }
    });
}

TNimboVertex::TNimboVertex(TNimboObject* owner) : TNimboDrawObject(owner) {}

void TNimboVertex::Parse() {
    RunParseLoop(*this, [](int32_t) { return false; });
}

TNimboCopperPourIsland::TNimboCopperPourIsland(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "CopperPourIsland";
}

void TNimboCopperPourIsland::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::islandOutline:
                ReadPointsInPlace(*this, FIslandOutline);
                return true;
            case kw::copperPourIslandCutout:
                ReadPointsInPlace(*this, FCutout);
                return true;
            case kw::thermal:
                ReadThermalPairs(*this, FThermals);
                return true;
            default:
                return false;
        }
    });
}

TNimboCopperPour::TNimboCopperPour(TNimboObject* owner) : TNimboDrawObject(owner) {}

TNimboCopperPour::~TNimboCopperPour() = default;

void TNimboCopperPour::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::netNameRef:
                FNetNameRef = ReadString();
                return true;
            case kw::width:
                FWidth = ReadLength();
                return true;
            case kw::pourSpacing:
                FPourSpacing = ReadLength();
                return true;
            case kw::pourBackoff:
                FPourBackoff = ReadLength();
                return true;
            case kw::thermalWidth:
                FThermalWidth = ReadLength();
                return true;
            case kw::pourSmoothness:
                FPourSmoothness = ReadFloat();
                return true;
            case kw::thermalSpokes:
                FThermalSpokes = ReadInteger();
                return true;
            case kw::useDesignRules:
                FUseDesignRules = ReadBoolean();
                return true;
            case kw::pourType:
                FPourType = wordtab::LookupWord(ReadString(), kPourTypes).value_or(FPourType);
                return true;
            case kw::thermalType:
                FThermalType =
                    wordtab::LookupWord(ReadString(), kThermalTypes).value_or(FThermalType);
                return true;
            case kw::islandRemoval:
                ReadIslandRemoval();
                return true;
            case kw::pourOutline:
                ReadPointsInPlace(*this, FPourOutline);
                return true;
            case kw::fillPoly:
            case kw::pcbPoly:
                FFillPoly = ParseChild<TNimboFillPoly>(*this);
                return true;
            case kw::vertex:
                FVertices.push_back(ParseChild<TNimboVertex>(*this));
                return true;
            case kw::thermal:
                ReadThermalPairs(*this, FThermals);
                return true;
            case kw::copperPourIsland:
                FIslands.push_back(ParseChild<TNimboCopperPourIsland>(*this));
                return true;
            default:
                return false;
        }
    });
}

void TNimboCopperPour::ReadIslandRemoval() {
    // Files write the mode as a word, "(islandRemoval Area 25)", and also as a group,
    // "(islandRemoval (area 4.064e+006))". Reading a word where the group opens would take its
    // "(" as the word and lose count of the nesting for the rest of the file.
    if (FParser->PeekChar() == '(') {
        ReadGroupInPlace(*this, [this](int32_t) { return SetIslandRemoval(FParser->TokenText()); });
        return;
    }
    SetIslandRemoval(ReadString());
}

bool TNimboCopperPour::SetIslandRemoval(const std::string& word) {
    const auto mode = wordtab::LookupWord(word, kIslandRemovals);
    if (!mode) return false;
    FIslandRemoval = *mode;
    if (FIslandRemoval == irArea) FIslandRemovalValue = ReadAreaText();
    return true;
}

std::string TNimboCopperPour::ReadAreaText() {
    // The area is a number, often with an exponent ("4.064e+006"): it is scanned as a number
    // so that the "+" does not end it, and kept as written. A missing value leaves the
    // group's ")" to the loop.
    if (FParser->PeekChar() == ')') return std::string();
    FParser->ReadFloat();
    return FParser->TokenText();
}
