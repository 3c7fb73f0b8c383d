// Exported exchange calls: every property of every kind, read or written by address.
// Owned-text handles (a part's fields, a sheet symbol's two texts) are the editor's own and are
// only read out; a write of them is ignored so that no field can be lost or shared.
#include "SchAPI.h"
#include "editor.h"
#include "exchange.h"
#include "export_guard.h"
#include "object_store.h"

using namespace qelsch;

namespace {

// The most vertices one object may hold; a larger count is refused rather than allocated.
constexpr int32_t kMaxVertices = 1 << 20;

template <class T, class Body>
int32_t WithObject(int32_t mode, SchHandle handle, Body&& body) {
    return Guarded<int32_t>(0, [&]() -> int32_t {
        ObjectStore& store = Editor().Store();
        T* object = nullptr;
        if constexpr (std::is_same_v<T, SchObject>) {
            object = store.FindObject(handle);
        } else {
            object = store.Find<T>(handle);
        }
        const auto direction = DirectionOf(mode);
        if (!object || !direction) return 0;
        body(*direction, *object);
        return 1;
    });
}

void ExchangePoint(Direction d, int32_t* x, int32_t* y, SchPoint& point) {
    Exchange(d, x, point.x);
    Exchange(d, y, point.y);
}

MultiVertexObject* FindMultiVertex(SchHandle handle) {
    SchObject* object = Editor().Store().FindObject(handle);
    if (!object) return nullptr;
    switch (object->kind) {
        case kSchKindBus:
        case kSchKindPolygon:
        case kSchKindPolyline:
        case kSchKindWire:
            return static_cast<MultiVertexObject*>(object);
        default:
            return nullptr;
    }
}

}  // namespace

QELSCH_EXPORT int32_t SchAPI_QueryPrimitive(int32_t mode, SchHandle object, uint8_t* objectId,
                                            int32_t* x, int32_t* y, uint32_t* color,
                                            uint8_t* primitiveFlag) {
    return WithObject<SchObject>(mode, object, [&](Direction d, SchObject& o) {
        ReadOnly(d, objectId, o.kind);  // a kind never changes
        ExchangePoint(d, x, y, o.location);
        Exchange(d, color, o.color);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}

// Reading returns the number of vertices; writing sets it (new vertices are at 0, 0).
QELSCH_EXPORT int32_t SchAPI_QueryVertexCount(int32_t mode, SchHandle object, int32_t count) {
    return Guarded<int32_t>(0, [&]() -> int32_t {
        MultiVertexObject* found = FindMultiVertex(object);
        const auto direction = DirectionOf(mode);
        if (!found || !direction) return 0;
        if (*direction == Direction::ToCaller) return static_cast<int32_t>(found->vertices.size());
        if (count < 0 || count > kMaxVertices) return 0;
        found->vertices.resize(static_cast<size_t>(count));
        return 1;
    });
}

// Vertices are numbered from 1. Writing vertex N beyond the count extends the list to N.
QELSCH_EXPORT int32_t SchAPI_QueryVertexAt(int32_t mode, SchHandle object, int32_t index,
                                           int32_t* x, int32_t* y) {
    return Guarded<int32_t>(0, [&]() -> int32_t {
        MultiVertexObject* found = FindMultiVertex(object);
        const auto direction = DirectionOf(mode);
        if (!found || !direction || index < 1 || index > kMaxVertices) return 0;
        const auto position = static_cast<size_t>(index - 1);
        if (position >= found->vertices.size()) {
            if (*direction == Direction::ToCaller) return 0;
            found->vertices.resize(position + 1);
        }
        ExchangePoint(*direction, x, y, found->vertices[position]);
        return 1;
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryArc(int32_t mode, SchHandle object, int32_t* x, int32_t* y,
                                      int32_t* radius, uint8_t* lineWidth, SchReal48* startAngle,
                                      SchReal48* endAngle, uint32_t* color,
                                      uint8_t* primitiveFlag) {
    return WithObject<Arc>(mode, object, [&](Direction d, Arc& o) {
        ExchangePoint(d, x, y, o.location);
        Exchange(d, radius, o.radius);
        Exchange(d, lineWidth, o.lineWidth);
        Exchange(d, startAngle, o.startAngle);
        Exchange(d, endAngle, o.endAngle);
        Exchange(d, color, o.color);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryBus(int32_t mode, SchHandle object, uint8_t* lineWidth,
                                      uint32_t* color, uint8_t* primitiveFlag) {
    return WithObject<Bus>(mode, object, [&](Direction d, Bus& o) {
        Exchange(d, lineWidth, o.lineWidth);
        Exchange(d, color, o.color);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryBusEntry(int32_t mode, SchHandle object, int32_t* x, int32_t* y,
                                           int32_t* cornerX, int32_t* cornerY, uint8_t* passThrough,
                                           uint32_t* color, uint8_t* primitiveFlag) {
    return WithObject<BusEntry>(mode, object, [&](Direction d, BusEntry& o) {
        ExchangePoint(d, x, y, o.location);
        ExchangePoint(d, cornerX, cornerY, o.corner);
        Exchange(d, passThrough, o.passThrough);
        Exchange(d, color, o.color);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryText(int32_t mode, SchHandle object, int32_t* x, int32_t* y,
                                       uint8_t* isHidden, int32_t* passThrough, char** text,
                                       uint8_t* orientation, uint32_t* color,
                                       uint8_t* primitiveFlag) {
    return WithObject<Text>(mode, object, [&](Direction d, Text& o) {
        ExchangePoint(d, x, y, o.location);
        Exchange(d, isHidden, o.isHidden);
        Exchange(d, passThrough, o.passThrough);
        ExchangeText(d, text, o.text);
        Exchange(d, orientation, o.orientation);
        Exchange(d, color, o.color);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryJunction(int32_t mode, SchHandle object, int32_t* x, int32_t* y,
                                           uint8_t* passThrough1, uint8_t* passThrough2,
                                           uint32_t* color, uint8_t* primitiveFlag) {
    return WithObject<Junction>(mode, object, [&](Direction d, Junction& o) {
        ExchangePoint(d, x, y, o.location);
        Exchange(d, passThrough1, o.passThrough1);
        Exchange(d, passThrough2, o.passThrough2);
        Exchange(d, color, o.color);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryLabel(int32_t mode, SchHandle object, int32_t* x, int32_t* y,
                                        uint8_t* orientation, uint32_t* color, int32_t* fontId,
                                        uint8_t* primitiveFlag, char** text) {
    return WithObject<Annotation>(mode, object, [&](Direction d, Annotation& o) {
        ExchangePoint(d, x, y, o.location);
        Exchange(d, orientation, o.orientation);
        Exchange(d, color, o.color);
        Exchange(d, fontId, o.fontId);
        Exchange(d, primitiveFlag, o.primitiveFlag);
        ExchangeText(d, text, o.text);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryLine(int32_t mode, SchHandle object, int32_t* x, int32_t* y,
                                       int32_t* cornerX, int32_t* cornerY, uint8_t* passThrough,
                                       uint8_t* lineStyle, uint32_t* color,
                                       uint8_t* primitiveFlag) {
    return WithObject<Line>(mode, object, [&](Direction d, Line& o) {
        ExchangePoint(d, x, y, o.location);
        ExchangePoint(d, cornerX, cornerY, o.corner);
        Exchange(d, passThrough, o.passThrough);
        Exchange(d, lineStyle, o.lineStyle);
        Exchange(d, color, o.color);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryNetLabel(int32_t mode, SchHandle object, int32_t* x, int32_t* y,
                                           uint8_t* orientation, uint32_t* color,
                                           int32_t* passThrough, uint8_t* primitiveFlag,
                                           char** text) {
    return WithObject<NetLabel>(mode, object, [&](Direction d, NetLabel& o) {
        ExchangePoint(d, x, y, o.location);
        Exchange(d, orientation, o.orientation);
        Exchange(d, color, o.color);
        Exchange(d, passThrough, o.passThrough);
        Exchange(d, primitiveFlag, o.primitiveFlag);
        ExchangeText(d, text, o.text);
    });
}

QELSCH_EXPORT int32_t SchAPI_QuerySchPart(
    int32_t mode, SchHandle object, int32_t* x, int32_t* y, uint8_t* passThrough1,
    uint8_t* mirrored, uint8_t* orientation, uint8_t* primitiveFlag, int32_t* currentPartId,
    uint8_t* passThrough2, uint8_t* passThrough3, char** libReference, char** footprint,
    char** passThroughText, int32_t* passThroughValue, char** eightTexts, int32_t eightTextsHigh,
    char** lastText, SchHandle* designatorField, SchHandle* commentField,
    SchHandle* sheetFileNameField, SchHandle* partFields, int32_t partFieldsHigh,
    uint8_t* passThrough4, uint8_t* passThrough5, int32_t* passThroughValue2, uint32_t* color,
    int32_t* passThroughValue3) {
    return WithObject<Part>(mode, object, [&](Direction d, Part& o) {
        ExchangePoint(d, x, y, o.location);
        Exchange(d, passThrough1, o.passThrough1);
        Exchange(d, mirrored, o.mirrored);
        Exchange(d, orientation, o.orientation);
        Exchange(d, primitiveFlag, o.primitiveFlag);
        Exchange(d, currentPartId, o.currentPartId);
        Exchange(d, passThrough2, o.passThrough2);
        Exchange(d, passThrough3, o.passThrough3);
        ExchangeText(d, libReference, o.libReference);
        ExchangeText(d, footprint, o.footprint);
        ExchangeText(d, passThroughText, o.passThroughText);
        Exchange(d, passThroughValue, o.passThroughValue);
        // Arrays come as their first element's address and their highest index.
        if (eightTexts) {
            for (int32_t i = 0; i <= eightTextsHigh && i < 8; ++i) {
                ExchangeText(d, &eightTexts[i], o.eightTexts[static_cast<size_t>(i)]);
            }
        }
        ExchangeText(d, lastText, o.lastText);
        ReadOnly(d, designatorField, o.designatorField);
        ReadOnly(d, commentField, o.commentField);
        ReadOnly(d, sheetFileNameField, o.sheetFileNameField);
        if (partFields) {
            for (int32_t i = 0; i <= partFieldsHigh && i < 16; ++i) {
                ReadOnly(d, &partFields[i], o.partFields[static_cast<size_t>(i)]);
            }
        }
        Exchange(d, passThrough4, o.passThrough4);
        Exchange(d, passThrough5, o.passThrough5);
        Exchange(d, passThroughValue2, o.passThroughValue2);
        Exchange(d, color, o.color);
        Exchange(d, passThroughValue3, o.passThroughValue3);
    });
}

QELSCH_EXPORT int32_t SchAPI_QuerySchPartUniqueId(int32_t mode, SchHandle object, char** uniqueId,
                                                  int32_t size) {
    if (size <= 0) return 0;
    return WithObject<Part>(mode, object, [&](Direction d, Part& o) {
        ExchangeText(d, uniqueId, o.uniqueId, static_cast<size_t>(size));
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryPin(int32_t mode, SchHandle object, int32_t* x, int32_t* y,
                                      char** name, char** designator, uint8_t* dot, uint8_t* clock,
                                      uint8_t* addedPin, uint8_t* showName, uint8_t* showDesignator,
                                      uint8_t* electrical, int32_t* length, uint8_t* orientation,
                                      uint8_t* primitiveFlag, uint32_t* color) {
    return WithObject<Pin>(mode, object, [&](Direction d, Pin& o) {
        ExchangePoint(d, x, y, o.location);
        ExchangeText(d, name, o.name);
        ExchangeText(d, designator, o.designator);
        Exchange(d, dot, o.dot);
        Exchange(d, clock, o.clock);
        Exchange(d, addedPin, o.addedPin);
        Exchange(d, showName, o.showName);
        Exchange(d, showDesignator, o.showDesignator);
        Exchange(d, electrical, o.electrical);
        Exchange(d, length, o.length);
        Exchange(d, orientation, o.orientation);
        Exchange(d, primitiveFlag, o.primitiveFlag);
        Exchange(d, color, o.color);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryPolygon(int32_t mode, SchHandle object, uint8_t* lineWidth,
                                          uint32_t* color, int32_t* passThrough1,
                                          int32_t* passThrough2, uint8_t* primitiveFlag) {
    return WithObject<Polygon>(mode, object, [&](Direction d, Polygon& o) {
        Exchange(d, lineWidth, o.lineWidth);
        Exchange(d, color, o.color);
        Exchange(d, passThrough1, o.passThrough1);
        Exchange(d, passThrough2, o.passThrough2);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryPolyline(int32_t mode, SchHandle object, uint8_t* lineWidth,
                                           int32_t* passThrough, uint32_t* color,
                                           uint8_t* primitiveFlag) {
    return WithObject<Polyline>(mode, object, [&](Direction d, Polyline& o) {
        Exchange(d, lineWidth, o.lineWidth);
        Exchange(d, passThrough, o.passThrough);
        Exchange(d, color, o.color);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryPort(int32_t mode, SchHandle object, uint8_t* style,
                                       uint8_t* byte2, uint8_t* byte3, int32_t* width, int32_t* x,
                                       int32_t* y, uint32_t* color, int32_t* passThrough1,
                                       int32_t* passThrough2, uint8_t* primitiveFlag, char** name) {
    return WithObject<Port>(mode, object, [&](Direction d, Port& o) {
        Exchange(d, style, o.style);
        Exchange(d, byte2, o.byte2);
        Exchange(d, byte3, o.byte3);
        Exchange(d, width, o.width);
        ExchangePoint(d, x, y, o.location);
        Exchange(d, color, o.color);
        Exchange(d, passThrough1, o.passThrough1);
        Exchange(d, passThrough2, o.passThrough2);
        Exchange(d, primitiveFlag, o.primitiveFlag);
        ExchangeText(d, name, o.name);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryPowerObject(int32_t mode, SchHandle object, uint8_t* passThrough,
                                              int32_t* x, int32_t* y, uint8_t* orientation,
                                              uint32_t* color, uint8_t* primitiveFlag,
                                              char** text) {
    return WithObject<PowerObject>(mode, object, [&](Direction d, PowerObject& o) {
        Exchange(d, passThrough, o.passThrough);
        ExchangePoint(d, x, y, o.location);
        Exchange(d, orientation, o.orientation);
        Exchange(d, color, o.color);
        Exchange(d, primitiveFlag, o.primitiveFlag);
        ExchangeText(d, text, o.text);
    });
}

QELSCH_EXPORT int32_t SchAPI_QuerySheetSymbol(int32_t mode, SchHandle object, int32_t* x,
                                              int32_t* y, int32_t* xSize, int32_t* ySize,
                                              SchHandle* sheetNameField, SchHandle* fileNameField,
                                              uint8_t* passThrough1, uint8_t* passThrough2,
                                              uint8_t* passThrough3, uint32_t* color,
                                              int32_t* passThrough4, uint8_t* primitiveFlag) {
    return WithObject<SheetSymbol>(mode, object, [&](Direction d, SheetSymbol& o) {
        ExchangePoint(d, x, y, o.location);
        Exchange(d, xSize, o.xSize);
        Exchange(d, ySize, o.ySize);
        ReadOnly(d, sheetNameField, o.sheetNameField);
        ReadOnly(d, fileNameField, o.fileNameField);
        Exchange(d, passThrough1, o.passThrough1);
        Exchange(d, passThrough2, o.passThrough2);
        Exchange(d, passThrough3, o.passThrough3);
        Exchange(d, color, o.color);
        Exchange(d, passThrough4, o.passThrough4);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryWire(int32_t mode, SchHandle object, uint8_t* lineWidth,
                                       uint32_t* color, uint8_t* primitiveFlag) {
    return WithObject<Wire>(mode, object, [&](Direction d, Wire& o) {
        Exchange(d, lineWidth, o.lineWidth);
        Exchange(d, color, o.color);
        Exchange(d, primitiveFlag, o.primitiveFlag);
    });
}
