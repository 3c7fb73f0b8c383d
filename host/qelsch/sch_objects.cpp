#include "sch_objects.h"

#include <string_view>

namespace qelsch {

const char* KindName(uint8_t kind) {
    switch (kind) {
        case kSchKindArc:
            return "arc";
        case kSchKindBus:
            return "bus";
        case kSchKindBusEntry:
            return "busEntry";
        case kSchKindText:
            return "text";
        case kSchKindJunction:
            return "junction";
        case kSchKindAnnotation:
            return "annotation";
        case kSchKindLine:
            return "line";
        case kSchKindNetLabel:
            return "netLabel";
        case kSchKindPart:
            return "part";
        case kSchKindPin:
            return "pin";
        case kSchKindPolygon:
            return "polygon";
        case kSchKindPolyline:
            return "polyline";
        case kSchKindPort:
            return "port";
        case kSchKindPowerObject:
            return "powerObject";
        case kSchKindSheetSymbol:
            return "sheetSymbol";
        case kSchKindWire:
            return "wire";
        default:
            return "none";
    }
}

bool IsKnownKind(uint8_t kind) {
    return std::string_view(KindName(kind)) != "none";
}

}  // namespace qelsch
