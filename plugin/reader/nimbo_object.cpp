#include "reader/nimbo_object.h"

#include <optional>
#include <string_view>

#include "platform/decimal.h"
#include "reader/length_units.h"
#include "reader/nimbo_parser.h"

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

enum class TUnitWord { Mil, MM, Inch, Other };

TUnitWord ClassifyUnitWord(std::string_view word) {
    if (EqualsIgnoringCase(word, "mm")) return TUnitWord::MM;
    if (EqualsIgnoringCase(word, "in")) return TUnitWord::Inch;
    if (EqualsIgnoringCase(word, "mil")) return TUnitWord::Mil;
    return TUnitWord::Other;
}

// Internal units (1/10000 mil) of `value` given in `unit`.
int32_t ToInternal(double value, TUnitWord unit) {
    switch (unit) {
        case TUnitWord::Mil:
            return MilToInternal(value);
        case TUnitWord::MM:
            return MMToInternal(value);
        case TUnitWord::Inch:
            return MilToInternal(value * 1000.0);
        case TUnitWord::Other:
            break;
    }
    return 0;
}

TUnitWord UnitOfFile(TFileUnits units) {
    switch (units) {
        case fuMil:
            return TUnitWord::Mil;
        case fuMM:
            return TUnitWord::MM;
        case fuInch:
            return TUnitWord::Inch;
    }
    return TUnitWord::Other;
}

// A number with its unit written onto it ("30mil", "2.0mm", "0.1IN").
struct TAttachedLength {
    double Value;
    TUnitWord Unit;
};

std::optional<TAttachedLength> SplitAttachedUnit(std::string_view text) {
    for (std::string_view suffix : {"mil", "mm", "in"}) {
        if (text.size() <= suffix.size()) continue;
        const std::string_view unit = text.substr(text.size() - suffix.size());
        if (!EqualsIgnoringCase(unit, suffix)) continue;
        const std::optional<double> value =
            platform::TryStrToFloat(text.substr(0, text.size() - suffix.size()));
        if (value) return TAttachedLength{*value, ClassifyUnitWord(unit)};
    }
    return std::nullopt;
}

}  // namespace

TNimboObject::TNimboObject(TNimboObject* owner) : FOwner(owner) {
    if (owner == nullptr) return;
    FParser = owner->FParser;
    FReport = owner->FReport;
    FUnits = owner->FUnits;
    FDocument = owner->FDocument;
    FSchematicUnits = owner->FSchematicUnits;
    FLibrary = owner->FLibrary;
    FNetlist = owner->FNetlist;
}

TNimboObject::~TNimboObject() = default;

void TNimboObject::Parse() {}

void TNimboObject::Translate() {}

void TNimboObject::Execute() {
    Translate();
}

void TNimboObject::SetLibrary(TNimboObject* library) {
    FLibrary = library;
}

void TNimboObject::SetNetlist(TNimboObject* netlist) {
    FNetlist = netlist;
}

bool TNimboObject::ReadingStopped() const {
    return FParser->Eof() || FParser->Aborted();
}

int32_t TNimboObject::ReadLength() {
    FParser->NextToken();
    const std::string_view text = FParser->TokenText();

    double value = 0;  // a text that is no number reads as 0
    TUnitWord unit = UnitOfFile(FUnits);
    bool unitAttached = false;
    if (const std::optional<double> number = platform::TryStrToFloat(text)) {
        value = *number;
    } else if (const std::optional<TAttachedLength> attached = SplitAttachedUnit(text)) {
        value = attached->Value;
        unit = attached->Unit;
        unitAttached = true;
    }
    if (!unitAttached) {
        const char next = FParser->PeekChar();
        if (next == 'I' || next == 'M' || next == 'i' || next == 'm') {
            FParser->NextToken();
            unit = ClassifyUnitWord(FParser->TokenText());
        }
    }

    const int32_t internal = ToInternal(value, unit);
    return FSchematicUnits ? InternalToSchematic(internal) : internal;
}

TPoint TNimboObject::ReadPoint() {
    TPoint p;
    p.X = ReadLength();
    p.Y = ReadLength();
    return p;
}

int32_t TNimboObject::ReadInteger() {
    return FParser->ReadInteger();
}

double TNimboObject::ReadFloat() {
    return FParser->ReadFloat();
}

bool TNimboObject::ReadBoolean() {
    FParser->NextToken();
    return EqualsIgnoringCase(FParser->TokenText(), "True");
}

std::string TNimboObject::ReadString() {
    FParser->NextToken();
    return FParser->TokenText();
}

void TNimboObject::SkipSection() {
    const int32_t id = FParser->TokenId();
    if (id == tokString || id == tokEmptyWord || FDepth < 2) return;
    int32_t level = 1;
    while (level > 0 && !ReadingStopped()) {
        const int32_t token = FParser->NextToken();
        if (token == tokOpen) {
            ++level;
        } else if (token == tokClose) {
            --level;
        }
    }
    --FDepth;
}

TNimboDrawObject::TNimboDrawObject(TNimboObject* owner) : TNimboDesignObject(owner) {
    FKindName = "Draw Object";
}
