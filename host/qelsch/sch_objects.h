// The schematic editor's objects: one plain struct per kind, as the editor stores them.
//
// Every property that the kind's exchange call (SchAPI_Query<Kind>, sdk/SchAPI.h) carries is
// held here, the ones this editor gives no meaning to ("passThrough...") included, so that a
// read followed by an unchanged write leaves the object exactly as it was.
//
// Units: coordinates and lengths are host units (10 mil), Y grows upwards. Colours are
// 0x00BBGGRR. Orientations are quarter turns counter-clockwise (0..3). Texts are the bytes the
// caller wrote (code page of the imported file; converted to UTF-8 only when saving).
//
// Readers (savers, drawers, checks) get `const SchObject*` from the editor and use `As<T>()`.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "SchAPI.h"

namespace qelsch {

// A point in host units (10 mil).
struct SchPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const SchPoint&, const SchPoint&) = default;
};

// Properties shared by every kind (the ones SchAPI_QueryPrimitive exchanges).
struct SchObject {
    virtual ~SchObject() = default;

    SchHandle handle = 0;
    uint8_t kind = kSchKindNone;  // kSchKind... of sdk/SchAPI.h
    uint8_t primitiveFlag = 0;
    SchPoint location;  // host units
    uint32_t color = 0;
    // The part or sheet symbol that owns this text object; 0 for a free object.
    SchHandle owner = 0;
    // The document the object was added to; 0 while it is in no document.
    SchHandle container = 0;

    // The object as kind T, or null when it is of another kind.
    template <class T>
    const T* As() const {
        return kind == T::kKind ? static_cast<const T*>(this) : nullptr;
    }
    template <class T>
    T* As() {
        return kind == T::kKind ? static_cast<T*>(this) : nullptr;
    }
};

// Base of the kinds whose geometry is a vertex list (bus, polygon, polyline, wire).
struct MultiVertexObject : SchObject {
    uint8_t lineWidth = 0;           // 0..3, thinnest to thickest
    std::vector<SchPoint> vertices;  // every vertex, host units
};

struct Arc : SchObject {
    static constexpr uint8_t kKind = kSchKindArc;
    int32_t radius = 0;  // host units
    uint8_t lineWidth = 0;
    SchReal48 startAngle{};  // degrees, kept as exchanged (see real48.h to decode)
    SchReal48 endAngle{};
};

struct Bus : MultiVertexObject {
    static constexpr uint8_t kKind = kSchKindBus;
};

struct BusEntry : SchObject {
    static constexpr uint8_t kKind = kSchKindBusEntry;
    SchPoint corner;  // the entry's second end
    uint8_t passThrough = 0;
};

// A text object: a free one, or a field owned by a part or sheet symbol.
struct Text : SchObject {
    static constexpr uint8_t kKind = kSchKindText;
    uint8_t isHidden = 0;
    int32_t passThrough = 0;
    std::string text;
    uint8_t orientation = 0;
};

struct Junction : SchObject {
    static constexpr uint8_t kKind = kSchKindJunction;
    uint8_t passThrough1 = 0;
    uint8_t passThrough2 = 0;
};

// A free text (exchanged by SchAPI_QueryLabel).
struct Annotation : SchObject {
    static constexpr uint8_t kKind = kSchKindAnnotation;
    uint8_t orientation = 0;
    int32_t fontId = 1;  // 1, 2 or 3; see font_metric.h
    std::string text;
};

struct Line : SchObject {
    static constexpr uint8_t kKind = kSchKindLine;
    SchPoint corner;  // the line's other end
    uint8_t passThrough = 0;
    uint8_t lineStyle = 0;  // 0 solid, 1 dashed, 2 dotted
};

struct NetLabel : SchObject {
    static constexpr uint8_t kKind = kSchKindNetLabel;
    uint8_t orientation = 0;
    int32_t passThrough = 0;
    std::string text;
};

// A placed part. Its designator, comment, sheet-file-name and 16 parameter texts are Text
// objects owned by the part (their `owner` is the part), created with it and reached by handle.
struct Part : SchObject {
    static constexpr uint8_t kKind = kSchKindPart;
    std::string uniqueId;  // exchanged by SchAPI_QuerySchPartUniqueId
    uint8_t passThrough1 = 0;
    uint8_t mirrored = 0;
    uint8_t orientation = 0;
    int32_t currentPartId = 1;  // which part of the library component, from 1
    uint8_t passThrough2 = 0;
    uint8_t passThrough3 = 0;
    std::string libReference;
    std::string footprint;
    std::string passThroughText;
    int32_t passThroughValue = 0;
    std::array<std::string, 8> eightTexts;
    std::string lastText;
    SchHandle designatorField = 0;
    SchHandle commentField = 0;
    SchHandle sheetFileNameField = 0;
    std::array<SchHandle, 16> partFields{};
    uint8_t passThrough4 = 0;
    uint8_t passThrough5 = 0;
    int32_t passThroughValue2 = 0;
    int32_t passThroughValue3 = 0;
};

struct Pin : SchObject {
    static constexpr uint8_t kKind = kSchKindPin;
    std::string name;
    std::string designator;
    uint8_t dot = 0;
    uint8_t clock = 0;
    uint8_t addedPin = 0;  // 1 on a pin the importer added because no symbol drew it
    uint8_t showName = 1;
    uint8_t showDesignator = 1;
    uint8_t electrical = 0;  // the host's electrical type code
    int32_t length = 30;     // host units, from `location` towards `orientation`
    uint8_t orientation = 0;
};

struct Polygon : MultiVertexObject {
    static constexpr uint8_t kKind = kSchKindPolygon;
    int32_t passThrough1 = 0;
    int32_t passThrough2 = 0;
};

struct Polyline : MultiVertexObject {
    static constexpr uint8_t kKind = kSchKindPolyline;
    int32_t passThrough = 0;
};

struct Port : SchObject {
    static constexpr uint8_t kKind = kSchKindPort;
    uint8_t style = 0;  // shape code 0..7
    uint8_t byte2 = 0;
    uint8_t byte3 = 0;
    int32_t width = 50;  // host units, along the port's axis
    int32_t passThrough1 = 0;
    int32_t passThrough2 = 0;
    std::string name;
};

struct PowerObject : SchObject {
    static constexpr uint8_t kKind = kSchKindPowerObject;
    uint8_t passThrough = 0;
    uint8_t orientation = 0;
    std::string text;  // the net name
};

// A sheet symbol; it owns its sheet-name and file-name Text objects.
struct SheetSymbol : SchObject {
    static constexpr uint8_t kKind = kSchKindSheetSymbol;
    int32_t xSize = 0;  // host units
    int32_t ySize = 0;
    SchHandle sheetNameField = 0;
    SchHandle fileNameField = 0;
    uint8_t passThrough1 = 0;
    uint8_t passThrough2 = 0;
    uint8_t passThrough3 = 0;
    int32_t passThrough4 = 0;
};

struct Wire : MultiVertexObject {
    static constexpr uint8_t kKind = kSchKindWire;
};

// The lower camel case name of a kind ("arc", "busEntry", ...); "none" for an unknown code.
const char* KindName(uint8_t kind);

// True for the kind codes this editor can create.
bool IsKnownKind(uint8_t kind);

}  // namespace qelsch
