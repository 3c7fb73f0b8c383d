#include "object_defaults.h"

#include <string>

namespace qelsch {
namespace {

template <class T>
std::unique_ptr<T> Make(uint32_t color) {
    auto object = std::make_unique<T>();
    object->kind = T::kKind;
    object->color = color;
    return object;
}

template <class T>
std::unique_ptr<T> MakeConnectingLine() {
    auto object = Make<T>(kColorNavy);
    object->lineWidth = 1;
    return object;
}

}  // namespace

std::unique_ptr<SchObject> MakeDefaultObject(uint8_t kind) {
    switch (kind) {
        case kSchKindArc:
            return Make<Arc>(kColorDarkRed);
        case kSchKindBus:
            return MakeConnectingLine<Bus>();
        case kSchKindBusEntry:
            return Make<BusEntry>(kColorNavy);
        case kSchKindText:
            return Make<Text>(kColorBlack);
        case kSchKindJunction:
            return Make<Junction>(kColorNavy);
        case kSchKindAnnotation:
            return Make<Annotation>(kColorBlack);
        case kSchKindLine:
            return Make<Line>(kColorDarkRed);
        case kSchKindNetLabel:
            return Make<NetLabel>(kColorNavy);
        case kSchKindPart:
            return Make<Part>(kColorDarkRed);
        case kSchKindPin:
            return Make<Pin>(kColorBlack);
        case kSchKindPolygon:
            return Make<Polygon>(kColorDarkRed);
        case kSchKindPolyline:
            return Make<Polyline>(kColorDarkRed);
        case kSchKindPort:
            return Make<Port>(kColorDarkRed);
        case kSchKindPowerObject:
            return Make<PowerObject>(kColorDarkRed);
        case kSchKindSheetSymbol: {
            auto symbol = Make<SheetSymbol>(kColorDarkRed);
            symbol->xSize = 100;
            symbol->ySize = 100;
            return symbol;
        }
        case kSchKindWire:
            return MakeConnectingLine<Wire>();
        default:
            return nullptr;
    }
}

std::unique_ptr<Text> MakeOwnedText(std::string text, bool hidden) {
    auto field = Make<Text>(kColorBlack);
    field->text = std::move(text);
    field->isHidden = hidden ? 1 : 0;
    return field;
}

}  // namespace qelsch
