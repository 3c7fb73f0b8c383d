#include "bounding_rectangle.h"

#include <algorithm>
#include <limits>

#include "font_metric.h"
#include "object_store.h"

namespace qelsch {
namespace {

// Half sizes (host units) of the marks that have no extent of their own.
constexpr int64_t kJunctionHalfSize = 2;
constexpr int64_t kPowerObjectHalfSize = 10;
constexpr int64_t kPortHalfHeight = 5;

int32_t Clamp32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// A rectangle being built in 64 bits, so that sums of host coordinates cannot overflow.
struct Box {
    int64_t x1, y1, x2, y2;

    static Box Around(int64_t x, int64_t y, int64_t half) {
        return {x - half, y - half, x + half, y + half};
    }
    static Box Spanning(int64_t ax, int64_t ay, int64_t bx, int64_t by) {
        return {std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
    }
    Box United(const Box& other) const {
        return {std::min(x1, other.x1), std::min(y1, other.y1), std::max(x2, other.x2),
                std::max(y2, other.y2)};
    }
    Rect ToRect() const { return {Clamp32(x1), Clamp32(y1), Clamp32(x2), Clamp32(y2)}; }
};

// Turns an offset by quarter turns counter-clockwise.
void Rotate(int64_t& x, int64_t& y, uint8_t orientation) {
    for (int turn = 0; turn < (orientation & 3); ++turn) {
        const int64_t oldX = x;
        x = -y;
        y = oldX;
    }
}

// A text's box from its anchor (lower left when unrotated), turned with the text.
Box TextBox(SchPoint anchor, std::string_view text, int32_t fontId, uint8_t orientation) {
    const TextExtent extent = MeasureText(text, MetricOfFont(fontId));
    int64_t cornerX = extent.width;
    int64_t cornerY = extent.height;
    Rotate(cornerX, cornerY, orientation);
    return Box::Spanning(anchor.x, anchor.y, anchor.x + cornerX, anchor.y + cornerY);
}

std::optional<Box> VertexBox(const MultiVertexObject& object) {
    if (object.vertices.empty()) return std::nullopt;
    Box box = Box::Around(object.vertices.front().x, object.vertices.front().y, 0);
    for (const SchPoint& vertex : object.vertices)
        box = box.United(Box::Around(vertex.x, vertex.y, 0));
    return box;
}

Box PinBox(const Pin& pin) {
    int64_t dx = pin.length;
    int64_t dy = 0;
    Rotate(dx, dy, pin.orientation);
    return Box::Spanning(pin.location.x, pin.location.y, pin.location.x + dx, pin.location.y + dy);
}

Box PortBox(const Port& port) {
    const int64_t x = port.location.x;
    const int64_t y = port.location.y;
    if ((port.style & 7) >= 4) return {x - kPortHalfHeight, y, x + kPortHalfHeight, y + port.width};
    return {x, y - kPortHalfHeight, x + port.width, y + kPortHalfHeight};
}

std::optional<Box> ObjectBox(const ObjectStore& store, const SchObject& object);

// A box in the component's frame carried onto the sheet as the part is placed: turned by its
// orientation, then mirrored in x when the part is mirrored, then moved to its location.
Box PlaceBox(const Box& local, const Part& part) {
    auto place = [&](int64_t x, int64_t y) {
        Rotate(x, y, part.orientation);
        if (part.mirrored) x = -x;
        return std::pair{x + part.location.x, y + part.location.y};
    };
    const auto [ax, ay] = place(local.x1, local.y1);
    const auto [bx, by] = place(local.x2, local.y2);
    return Box::Spanning(ax, ay, bx, by);
}

Box PartBox(const ObjectStore& store, const Part& part) {
    const Box fallback = Box::Around(part.location.x, part.location.y, kPartFallbackHalfSize);
    const LibraryComponent* component = store.FindComponentByName(part.libReference);
    if (!component || part.currentPartId < 1 ||
        static_cast<size_t>(part.currentPartId) > component->parts.size()) {
        return fallback;
    }
    const ComponentPart& graphics = component->parts[static_cast<size_t>(part.currentPartId) - 1];
    std::optional<Box> united;
    for (SchHandle handle : graphics.In(DisplayMode::Normal)) {
        const SchObject* object = store.FindObject(handle);
        if (!object || object->kind == kSchKindPart) continue;  // no part inside a part
        if (const std::optional<Box> box = ObjectBox(store, *object)) {
            const Box placed = PlaceBox(*box, part);
            united = united ? united->United(placed) : placed;
        }
    }
    return united.value_or(fallback);
}

std::optional<Box> ObjectBox(const ObjectStore& store, const SchObject& object) {
    const SchPoint at = object.location;
    switch (object.kind) {
        case kSchKindArc: {
            const auto& arc = static_cast<const Arc&>(object);
            return Box::Around(at.x, at.y, std::abs(static_cast<int64_t>(arc.radius)));
        }
        case kSchKindBus:
        case kSchKindPolygon:
        case kSchKindPolyline:
        case kSchKindWire:
            return VertexBox(static_cast<const MultiVertexObject&>(object));
        case kSchKindBusEntry: {
            const auto& entry = static_cast<const BusEntry&>(object);
            return Box::Spanning(at.x, at.y, entry.corner.x, entry.corner.y);
        }
        case kSchKindLine: {
            const auto& line = static_cast<const Line&>(object);
            return Box::Spanning(at.x, at.y, line.corner.x, line.corner.y);
        }
        case kSchKindText: {
            const auto& text = static_cast<const Text&>(object);
            return TextBox(at, text.text, 1, text.orientation);
        }
        case kSchKindAnnotation: {
            const auto& annotation = static_cast<const Annotation&>(object);
            return TextBox(at, annotation.text, annotation.fontId, annotation.orientation);
        }
        case kSchKindNetLabel: {
            const auto& label = static_cast<const NetLabel&>(object);
            return TextBox(at, label.text, 1, label.orientation);
        }
        case kSchKindJunction:
            return Box::Around(at.x, at.y, kJunctionHalfSize);
        case kSchKindPowerObject:
            return Box::Around(at.x, at.y, kPowerObjectHalfSize);
        case kSchKindPin:
            return PinBox(static_cast<const Pin&>(object));
        case kSchKindPort:
            return PortBox(static_cast<const Port&>(object));
        case kSchKindSheetSymbol: {
            // Anchored at its upper left corner.
            const auto& symbol = static_cast<const SheetSymbol&>(object);
            return Box::Spanning(at.x, at.y, int64_t{at.x} + symbol.xSize,
                                 int64_t{at.y} - symbol.ySize);
        }
        case kSchKindPart:
            return PartBox(store, static_cast<const Part&>(object));
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<Rect> ObjectBoundingRectangle(const ObjectStore& store, const SchObject& object) {
    const std::optional<Box> box = ObjectBox(store, object);
    if (!box) return std::nullopt;
    return box->ToRect();
}

}  // namespace qelsch
