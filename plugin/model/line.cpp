#include "model/line.h"

#include <algorithm>
#include <array>

#include "host/create_host_object.h"
#include "host/sch_graphics.h"
#include "model/drawing_support.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 4> kEndStyles{{
    {"LeftLead", kEndStyleLeftLead},
    {"RightLead", kEndStyleRightLead},
    {"Rounded", kEndStyleRounded},
    {"TwoLeads", kEndStyleTwoLeads},
}};

constexpr std::array<wordtab::TWordCode, 3> kLineStyles{{
    {"SolidLine", kLineSolid},
    {"DottedLine", kLineDotted},
    {"DashedLine", kLineDashed},
}};

// The host counts 0 solid, 1 dashed, 2 dotted.
uint8_t HostLineStyle(uint8_t style) {
    switch (style) {
        case kLineDotted:
            return 2;
        case kLineDashed:
            return 1;
        default:
            return 0;
    }
}

}  // namespace

// 10 mil, in the units the line's lengths are read in.
TNimboLine::TNimboLine(TNimboObject* owner)
    : TNimboDrawObject(owner), FWidth(FSchematicUnits ? 1 : 100000) {}

// ---- reading -------------------------------------------------------------------------------

void TNimboLine::Parse() {
    int points = 0;  // `pt` groups read so far; decides which end an end style belongs to
    RunParseLoop(*this, [this, &points](int32_t token) {
        switch (token) {
            case kw::pt:
                (points == 0 ? FPoint1 : FPoint2) = ReadPoint();
                points = std::min(points + 1, 3);  // 3: more than two
                return true;
            case kw::endStyle: {
                const std::string word = ReadString();
                if (points == 1) wordtab::ApplyWord(word, kEndStyles, FEndStyle1);
                if (points == 2) wordtab::ApplyWord(word, kEndStyles, FEndStyle2);
                return true;
            }
            case kw::style:
                wordtab::ApplyWord(ReadString(), kLineStyles, FLineStyle);
                return true;
            case kw::width:
                FWidth = ReadLength();
                return true;
            case kw::isFlipped:
                FIsFlipped = ReadBoolean();
                return true;
            case kw::netNameRef:
                FNetNameRef = ReadString();
                return true;
            default:
                return false;
        }
    });
    if (FEndStyle1 == kEndStyleNone) FEndStyle1 = kEndStyleRounded;
    if (FEndStyle2 == kEndStyleNone) FEndStyle2 = kEndStyleRounded;
}

// ---- translation ---------------------------------------------------------------------------

void TNimboLine::Translate() {
    const TDocumentOptions& document = TargetDocument(*this);
    auto line = NewHostObject<TLine>();
    line.FCorner = FPoint1;
    line.FLocation = FPoint2;
    line.FLineStyle = HostLineStyle(FLineStyle);
    AddHostObject(line, document);
}
