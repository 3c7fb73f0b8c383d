#include "model/pin.h"

#include <string>

#include "host/create_host_object.h"
#include "host/sch_pin.h"
#include "model/drawing_support.h"
#include "model/text.h"
#include "model/word_table.h"
#include "platform/int_math.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "reader/parse_loop.h"

// ---- TNimboPinDisplay ----------------------------------------------------------------------

TNimboPinDisplay::TNimboPinDisplay(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Pin Display";
}

void TNimboPinDisplay::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::dispPinDes:
                FShowPinDes = ReadBoolean();
                return true;
            case kw::dispPinName:
                FShowPinName = ReadBoolean();
                return true;
            default:
                return false;
        }
    });
}

// ---- TNimboPin: reading --------------------------------------------------------------------

TNimboPin::TNimboPin(TNimboObject* owner)
    : TNimboDrawObject(owner), FDisplay(std::make_unique<TNimboPinDisplay>(this)) {
    FKindName = "Pin";
}

TNimboPin::~TNimboPin() = default;

// The `pinName` and `pinDes` groups each hold one `text` section: the pin takes its "(" and
// the text reads on to the end of its own section; the group's ")" comes back to the pin.
std::unique_ptr<TNimboText> TNimboPin::ParseTextSection() {
    FParser->NextToken();
    auto text = std::make_unique<TNimboText>(this);
    text->Parse();
    return text;
}

void TNimboPin::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pinNum:
                FPinNum = ReadInteger();
                return true;
            case kw::pinName:
                FPinName = ParseTextSection()->FText;
                return true;
            case kw::pinDes:
                FPinDes = ParseTextSection();
                return true;
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::rotation:
                FRotation = ReadFloat();
                return true;
            case kw::isFlipped:
                FIsFlipped = ReadBoolean();
                return true;
            case kw::pinLength:
                FPinLength = ReadLength();
                return true;
            case kw::outsideEdgeStyle:
                if (wordtab::SameText(ReadString(), "Dot")) FDot = true;
                return true;
            case kw::insideEdgeStyle:
                if (wordtab::SameText(ReadString(), "Clock")) FClock = true;
                return true;
            case kw::pinDisplay:
                FDisplay->Parse();
                --FDepth;
                return true;
            default:
                return false;
        }
    });
}

// ---- TNimboPin: translation ----------------------------------------------------------------

void TNimboPin::Translate() {
    const TDocumentOptions& document = TargetDocument(*this);
    auto pin = NewHostObject<TPin>();
    // Both texts hold the number until the library import's pin pass names the pin.
    const std::string number = std::to_string(FPinNum);
    pin.FDesignator.Set(number);
    pin.FName.Set(number);
    pin.FLocation = FPt;
    const int32_t turns = platform::RoundToInt32(FRotation / 90.0);
    if (turns >= 0 && turns <= 3) pin.FOrientation = static_cast<uint8_t>(turns);
    pin.FLength = FPinLength;
    pin.FShowName = FDisplay->FShowPinName;
    pin.FShowDesignator = FDisplay->FShowPinDes;
    pin.FDot = FDot;
    pin.FClock = FClock;
    FHostPin = AddHostObject(pin, document);
}
