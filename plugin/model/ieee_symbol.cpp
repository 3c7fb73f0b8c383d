#include "model/ieee_symbol.h"

#include <array>

#include "host/create_host_object.h"
#include "host/geometry.h"
#include "host/sch_graphics.h"
#include "model/drawing_support.h"
#include "model/word_table.h"
#include "platform/int_math.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

// ---- the symbols' drawings -----------------------------------------------------------------

namespace {

constexpr std::array<TIeeeSegment, 6> kAdder{{
    {10, 2, 10, 0},
    {10, 0, 0, 0},
    {0, 0, 5, 5},
    {5, 5, 0, 10},
    {0, 10, 10, 10},
    {10, 10, 10, 8},
}};
constexpr std::array<TIeeeSegment, 3> kAmplifier{{
    {0, 0, 0, 10},
    {0, 10, 10, 5},
    {10, 5, 0, 0},
}};
constexpr std::array<TIeeeSegment, 9> kAstable{{
    {0, 0, 5, 0},
    {5, 0, 5, 10},
    {5, 10, 10, 10},
    {10, 10, 10, 0},
    {10, 0, 15, 0},
    {15, 0, 15, 10},
    {15, 10, 20, 10},
    {20, 10, 20, 0},
    {20, 0, 20, 5},
}};
constexpr std::array<TIeeeSegment, 3> kComplex{{
    {0, 0, 10, 0},
    {0, 10, 10, 10},
    {5, 0, 5, 10},
}};
constexpr std::array<TIeeeSegment, 5> kGenerator{{
    {0, 0, 5, 0},
    {5, 0, 5, 10},
    {5, 10, 10, 10},
    {10, 10, 10, 0},
    {10, 0, 15, 0},
}};
constexpr std::array<TIeeeSegment, 4> kHysteresis{{
    {0, 0, 15, 0},
    {15, 0, 15, 10},
    {5, 0, 5, 10},
    {5, 10, 20, 10},
}};
constexpr std::array<TIeeeSegment, 3> kMultiplier{{
    {0, 10, 10, 10},
    {3, 0, 3, 10},
    {7, 0, 7, 10},
}};

struct TIeeeDrawing {
    std::string_view Name;
    std::span<const TIeeeSegment> Segments;
};

constexpr std::array<TIeeeDrawing, 7> kDrawings{{
    {"Adder", kAdder},
    {"Amplifier", kAmplifier},
    {"Astable", kAstable},
    {"Complex", kComplex},
    {"Generator", kGenerator},
    {"Hysteresis", kHysteresis},
    {"Multiplier", kMultiplier},
}};

constexpr uint32_t kRed = 255;

// One grid coordinate scaled to the symbol's height and moved to its place [host units]: the
// product is 32-bit, the division by 10 in floating point, rounded ties to even.
int32_t Scale(int32_t height, int32_t grid, int32_t origin) {
    const int32_t product =
        static_cast<int32_t>(static_cast<uint32_t>(height) * static_cast<uint32_t>(grid));
    return platform::WrapAdd(platform::RoundToInt32(product / 10.0), origin);
}

}  // namespace

std::span<const TIeeeSegment> IeeeSymbolSegments(std::string_view name) {
    for (const TIeeeDrawing& drawing : kDrawings) {
        if (wordtab::SameText(name, drawing.Name)) return drawing.Segments;
    }
    return {};
}

// ---- reading -------------------------------------------------------------------------------

TNimboIeeeSymbol::TNimboIeeeSymbol(TNimboObject* owner) : TNimboDrawObject(owner) {}

void TNimboIeeeSymbol::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::height:
                FHeight = ReadLength();
                return true;
            case kw::rotation:
                FRotation = ReadFloat();
                return true;
            case kw::isFlipped:
                FIsFlipped = ReadBoolean();
                return true;
            default:
                return false;
        }
    });
}

// ---- translation ---------------------------------------------------------------------------

void TNimboIeeeSymbol::Translate() {
    const std::span<const TIeeeSegment> segments = IeeeSymbolSegments(FName);
    if (segments.empty()) return;
    const TDocumentOptions& document = TargetDocument(*this);
    const uint8_t turns = QuarterTurns(FRotation);
    for (const TIeeeSegment& segment : segments) {
        auto line = NewHostObject<TLine>();
        line.FColor = kRed;
        TPoint from{segment.X1, segment.Y1};
        TPoint to{segment.X2, segment.Y2};
        RotateVector(from, turns);
        RotateVector(to, turns);
        line.FLocation = {Scale(FHeight, from.X, FPt.X), Scale(FHeight, from.Y, FPt.Y)};
        line.FCorner = {Scale(FHeight, to.X, FPt.X), Scale(FHeight, to.Y, FPt.Y)};
        AddHostObject(line, document);
    }
}
