// Exchange calls: every property a kind's call carries is stored, pass-through ones included, so
// that a read followed by an unchanged write leaves the object as it was.
#include <tuple>

#include "editor_fixture.h"

namespace {

std::array<uint8_t, 6> Bytes(const SchReal48& real) {
    return {real.bytes[0], real.bytes[1], real.bytes[2],
            real.bytes[3], real.bytes[4], real.bytes[5]};
}

// One record per kind: every argument of the kind's exchange call after mode and handle, a
// sample with a distinct non-default value in each, and the values to compare.
struct ArcRecord {
    static constexpr uint8_t kKind = kSchKindArc;
    int32_t x = 0, y = 0, radius = 0;
    uint8_t lineWidth = 0, flag = 0;
    SchReal48 start{}, end{};
    uint32_t color = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryArc(mode, h, &x, &y, &radius, &lineWidth, &start, &end, &color, &flag);
    }
    static ArcRecord Sample() {
        ArcRecord r;
        r.x = -120, r.y = 340, r.radius = 25, r.lineWidth = 3, r.flag = 7, r.color = 0x123456;
        r.start = {{0x87, 1, 2, 3, 4, 0x05}};
        r.end = {{0x88, 6, 7, 8, 9, 0x8A}};
        return r;
    }
    auto Values() const {
        return std::make_tuple(x, y, radius, lineWidth, Bytes(start), Bytes(end), color, flag);
    }
};

struct BusRecord {
    static constexpr uint8_t kKind = kSchKindBus;
    uint8_t lineWidth = 0, flag = 0;
    uint32_t color = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryBus(mode, h, &lineWidth, &color, &flag);
    }
    static BusRecord Sample() { return {2, 9, 0xABCDEF}; }
    auto Values() const { return std::make_tuple(lineWidth, flag, color); }
};

struct BusEntryRecord {
    static constexpr uint8_t kKind = kSchKindBusEntry;
    int32_t x = 0, y = 0, cx = 0, cy = 0;
    uint8_t passThrough = 0, flag = 0;
    uint32_t color = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryBusEntry(mode, h, &x, &y, &cx, &cy, &passThrough, &color, &flag);
    }
    static BusEntryRecord Sample() { return {10, 20, 30, 40, 0xEE, 3, 0x010203}; }
    auto Values() const { return std::make_tuple(x, y, cx, cy, passThrough, flag, color); }
};

struct TextRecord {
    static constexpr uint8_t kKind = kSchKindText;
    int32_t x = 0, y = 0, passThrough = 0;
    uint8_t hidden = 0, orientation = 0, flag = 0;
    uint32_t color = 0;
    TextBuffer text;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryText(mode, h, &x, &y, &hidden, &passThrough, &text, &orientation, &color,
                                &flag);
    }
    static TextRecord Sample() {
        TextRecord r;
        r.x = 5, r.y = -5, r.passThrough = -77, r.hidden = 1, r.orientation = 3, r.flag = 1;
        r.color = 0xFF;
        r.text.Set("R\xC1\xE0 10k");
        return r;
    }
    auto Values() const {
        return std::make_tuple(x, y, passThrough, hidden, orientation, flag, color, text.Get());
    }
};

struct JunctionRecord {
    static constexpr uint8_t kKind = kSchKindJunction;
    int32_t x = 0, y = 0;
    uint8_t p1 = 0, p2 = 0, flag = 0;
    uint32_t color = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryJunction(mode, h, &x, &y, &p1, &p2, &color, &flag);
    }
    static JunctionRecord Sample() { return {-1, -2, 0x11, 0x22, 4, 0x00FF00}; }
    auto Values() const { return std::make_tuple(x, y, p1, p2, flag, color); }
};

struct AnnotationRecord {
    static constexpr uint8_t kKind = kSchKindAnnotation;
    int32_t x = 0, y = 0, fontId = 0;
    uint8_t orientation = 0, flag = 0;
    uint32_t color = 0;
    TextBuffer text;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryLabel(mode, h, &x, &y, &orientation, &color, &fontId, &flag, &text);
    }
    static AnnotationRecord Sample() {
        AnnotationRecord r;
        r.x = 100, r.y = 200, r.fontId = 3, r.orientation = 2, r.flag = 1, r.color = 0x808080;
        r.text.Set("NOTE 1");
        return r;
    }
    auto Values() const {
        return std::make_tuple(x, y, fontId, orientation, flag, color, text.Get());
    }
};

struct LineRecord {
    static constexpr uint8_t kKind = kSchKindLine;
    int32_t x = 0, y = 0, cx = 0, cy = 0;
    uint8_t passThrough = 0, style = 0, flag = 0;
    uint32_t color = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryLine(mode, h, &x, &y, &cx, &cy, &passThrough, &style, &color, &flag);
    }
    static LineRecord Sample() { return {1, 2, 3, 4, 0x55, 2, 6, 0x0000FF}; }
    auto Values() const { return std::make_tuple(x, y, cx, cy, passThrough, style, flag, color); }
};

struct NetLabelRecord {
    static constexpr uint8_t kKind = kSchKindNetLabel;
    int32_t x = 0, y = 0, passThrough = 0;
    uint8_t orientation = 0, flag = 0;
    uint32_t color = 0;
    TextBuffer text;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryNetLabel(mode, h, &x, &y, &orientation, &color, &passThrough, &flag,
                                    &text);
    }
    static NetLabelRecord Sample() {
        NetLabelRecord r;
        r.x = 7, r.y = 8, r.passThrough = 123456, r.orientation = 1, r.flag = 2, r.color = 5;
        r.text.Set("DATA[0..7]");
        return r;
    }
    auto Values() const {
        return std::make_tuple(x, y, passThrough, orientation, flag, color, text.Get());
    }
};

struct PinRecord {
    static constexpr uint8_t kKind = kSchKindPin;
    int32_t x = 0, y = 0, length = 0;
    TextBuffer name, designator;
    uint8_t dot = 0, clock = 0, added = 0, showName = 0, showDes = 0, electrical = 0;
    uint8_t orientation = 0, flag = 0;
    uint32_t color = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryPin(mode, h, &x, &y, &name, &designator, &dot, &clock, &added, &showName,
                               &showDes, &electrical, &length, &orientation, &flag, &color);
    }
    static PinRecord Sample() {
        PinRecord r;
        r.x = 40, r.y = 0, r.length = 20, r.dot = 1, r.clock = 1, r.added = 1, r.showName = 0;
        r.showDes = 0, r.electrical = 7, r.orientation = 3, r.flag = 5, r.color = 0x0A0B0C;
        r.name.Set("VCC");
        r.designator.Set("14");
        return r;
    }
    auto Values() const {
        return std::make_tuple(x, y, length, name.Get(), designator.Get(), dot, clock, added,
                               showName, showDes, electrical, orientation, flag, color);
    }
};

struct PolygonRecord {
    static constexpr uint8_t kKind = kSchKindPolygon;
    uint8_t lineWidth = 0, flag = 0;
    uint32_t color = 0;
    int32_t p1 = 0, p2 = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryPolygon(mode, h, &lineWidth, &color, &p1, &p2, &flag);
    }
    static PolygonRecord Sample() { return {1, 8, 0x00FFFF, -9, 99}; }
    auto Values() const { return std::make_tuple(lineWidth, flag, color, p1, p2); }
};

struct PolylineRecord {
    static constexpr uint8_t kKind = kSchKindPolyline;
    uint8_t lineWidth = 0, flag = 0;
    int32_t passThrough = 0;
    uint32_t color = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryPolyline(mode, h, &lineWidth, &passThrough, &color, &flag);
    }
    static PolylineRecord Sample() { return {3, 1, 4242, 0xFF00FF}; }
    auto Values() const { return std::make_tuple(lineWidth, flag, passThrough, color); }
};

struct PortRecord {
    static constexpr uint8_t kKind = kSchKindPort;
    uint8_t style = 0, byte2 = 0, byte3 = 0, flag = 0;
    int32_t width = 0, x = 0, y = 0, p1 = 0, p2 = 0;
    uint32_t color = 0;
    TextBuffer name;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryPort(mode, h, &style, &byte2, &byte3, &width, &x, &y, &color, &p1, &p2,
                                &flag, &name);
    }
    static PortRecord Sample() {
        PortRecord r;
        r.style = 6, r.byte2 = 1, r.byte3 = 2, r.flag = 3, r.width = 70, r.x = -30, r.y = 60;
        r.p1 = 11, r.p2 = 22, r.color = 0x111111;
        r.name.Set("CLK");
        return r;
    }
    auto Values() const {
        return std::make_tuple(style, byte2, byte3, flag, width, x, y, p1, p2, color, name.Get());
    }
};

struct PowerObjectRecord {
    static constexpr uint8_t kKind = kSchKindPowerObject;
    uint8_t passThrough = 0, orientation = 0, flag = 0;
    int32_t x = 0, y = 0;
    uint32_t color = 0;
    TextBuffer text;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryPowerObject(mode, h, &passThrough, &x, &y, &orientation, &color, &flag,
                                       &text);
    }
    static PowerObjectRecord Sample() {
        PowerObjectRecord r;
        r.passThrough = 4, r.orientation = 1, r.flag = 2, r.x = 470, r.y = 500, r.color = 3;
        r.text.Set("GND");
        return r;
    }
    auto Values() const {
        return std::make_tuple(passThrough, orientation, flag, x, y, color, text.Get());
    }
};

struct SheetSymbolRecord {
    static constexpr uint8_t kKind = kSchKindSheetSymbol;
    int32_t x = 0, y = 0, xSize = 0, ySize = 0, p4 = 0;
    SchHandle sheetName = 0, fileName = 0;
    uint8_t p1 = 0, p2 = 0, p3 = 0, flag = 0;
    uint32_t color = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QuerySheetSymbol(mode, h, &x, &y, &xSize, &ySize, &sheetName, &fileName, &p1,
                                       &p2, &p3, &color, &p4, &flag);
    }
    static SheetSymbolRecord Sample() {
        SheetSymbolRecord r;
        r.x = 166, r.y = 600, r.xSize = 266, r.ySize = 200, r.p4 = -4, r.p1 = 1, r.p2 = 2;
        r.p3 = 3, r.flag = 1, r.color = 0x445566;
        return r;
    }
    // The two text handles are the editor's own and are checked elsewhere.
    auto Values() const { return std::make_tuple(x, y, xSize, ySize, p4, p1, p2, p3, flag, color); }
};

struct WireRecord {
    static constexpr uint8_t kKind = kSchKindWire;
    uint8_t lineWidth = 0, flag = 0;
    uint32_t color = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        return SchAPI_QueryWire(mode, h, &lineWidth, &color, &flag);
    }
    static WireRecord Sample() { return {2, 6, 0x00A000}; }
    auto Values() const { return std::make_tuple(lineWidth, flag, color); }
};

struct PartRecord {
    static constexpr uint8_t kKind = kSchKindPart;
    int32_t x = 0, y = 0, currentPartId = 0, value = 0, value2 = 0, value3 = 0;
    uint8_t p1 = 0, mirrored = 0, orientation = 0, flag = 0, p2 = 0, p3 = 0, p4 = 0, p5 = 0;
    TextBuffer libReference, footprint, passThroughText, lastText;
    std::array<TextBuffer, 8> eight;
    std::array<char*, 8> eightPointers{};
    SchHandle designator = 0, comment = 0, sheetFileName = 0;
    std::array<SchHandle, 16> fields{};
    uint32_t color = 0;
    int32_t Call(int32_t mode, SchHandle h) {
        for (size_t i = 0; i < eight.size(); ++i) eightPointers[i] = eight[i].pointer;
        return SchAPI_QuerySchPart(mode, h, &x, &y, &p1, &mirrored, &orientation, &flag,
                                   &currentPartId, &p2, &p3, &libReference, &footprint,
                                   &passThroughText, &value, eightPointers.data(), 7, &lastText,
                                   &designator, &comment, &sheetFileName, fields.data(), 15, &p4,
                                   &p5, &value2, &color, &value3);
    }
    static PartRecord Sample() {
        PartRecord r;
        r.x = 300, r.y = 400, r.currentPartId = 2, r.value = 17, r.value2 = -18, r.value3 = 19;
        r.p1 = 1, r.mirrored = 1, r.orientation = 3, r.flag = 2, r.p2 = 3, r.p3 = 4, r.p4 = 5;
        r.p5 = 6, r.color = 0x0F0F0F;
        r.libReference.Set("7400");
        r.footprint.Set("DIP14");
        r.passThroughText.Set("pt");
        r.lastText.Set("last");
        for (size_t i = 0; i < r.eight.size(); ++i) r.eight[i].Set("t" + std::to_string(i));
        return r;
    }
    auto Values() const {
        std::array<std::string, 8> texts;
        for (size_t i = 0; i < eight.size(); ++i) texts[i] = eight[i].Get();
        return std::make_tuple(x, y, currentPartId, value, value2, value3, p1, mirrored,
                               orientation, flag, p2, p3, p4, p5, libReference.Get(),
                               footprint.Get(), passThroughText.Get(), lastText.Get(), texts,
                               color);
    }
};

template <class Record>
class KindExchangeTest : public EditorTest {};

using Records = ::testing::Types<ArcRecord, BusRecord, BusEntryRecord, TextRecord, JunctionRecord,
                                 AnnotationRecord, LineRecord, NetLabelRecord, PartRecord,
                                 PinRecord, PolygonRecord, PolylineRecord, PortRecord,
                                 PowerObjectRecord, SheetSymbolRecord, WireRecord>;
TYPED_TEST_SUITE(KindExchangeTest, Records);

TYPED_TEST(KindExchangeTest, StoresEveryPropertyAndKeepsItThroughAnUnchangedWrite) {
    const SchHandle object = SchAPI_CreateObjectEx(TypeParam::kKind);
    ASSERT_NE(object, 0u);
    EXPECT_EQ(SchAPI_GetObjectIdFromObjectHandle(object), TypeParam::kKind);

    TypeParam written = TypeParam::Sample();
    EXPECT_EQ(written.Call(kSchQueryWrite, object), 1);
    TypeParam read;
    EXPECT_EQ(read.Call(kSchQueryRead, object), 1);
    EXPECT_EQ(read.Values(), written.Values());

    // The import's pattern: read, change nothing, write back (both write modes).
    for (int32_t mode : {kSchQueryWrite, kSchQueryWrite2}) {
        TypeParam roundTrip;
        roundTrip.Call(kSchQueryRead, object);
        roundTrip.Call(mode, object);
        TypeParam after;
        after.Call(kSchQueryRead, object);
        EXPECT_EQ(after.Values(), written.Values()) << "mode " << mode;
    }
}

TYPED_TEST(KindExchangeTest, UnknownHandlesWrongKindsAndBadModesAreRefusedUntouched) {
    TypeParam record = TypeParam::Sample();
    const auto before = record.Values();
    EXPECT_EQ(record.Call(kSchQueryRead, 0), 0);
    EXPECT_EQ(record.Call(kSchQueryRead, 0xDEADBEEF), 0);
    const uint8_t otherKind = TypeParam::kKind == kSchKindWire ? kSchKindBus : kSchKindWire;
    EXPECT_EQ(record.Call(kSchQueryRead, SchAPI_CreateObjectEx(otherKind)), 0);
    const SchHandle object = SchAPI_CreateObjectEx(TypeParam::kKind);
    EXPECT_EQ(record.Call(7, object), 0);
    EXPECT_EQ(record.Values(), before);
}

class ExchangeTest : public EditorTest {};

TEST_F(ExchangeTest, PrimitivePropertiesAreSharedWithTheKindCallAndTheKindCannotBeRewritten) {
    const SchHandle label = SchAPI_CreateObjectEx(kSchKindNetLabel);
    uint8_t kind = kSchKindWire;
    int32_t x = 12, y = 34;
    uint32_t color = 0x654321;
    uint8_t flag = 9;
    EXPECT_EQ(SchAPI_QueryPrimitive(kSchQueryWrite, label, &kind, &x, &y, &color, &flag), 1);

    NetLabelRecord read;
    read.Call(kSchQueryRead, label);
    EXPECT_EQ(std::make_tuple(read.x, read.y, read.color, read.flag),
              std::make_tuple(12, 34, 0x654321u, uint8_t{9}));
    kind = 0;
    SchAPI_QueryPrimitive(kSchQueryRead, label, &kind, &x, &y, &color, &flag);
    EXPECT_EQ(kind, kSchKindNetLabel);
    EXPECT_EQ(SchAPI_GetObjectIdFromObjectHandle(label), kSchKindNetLabel);
}

TEST_F(ExchangeTest, VertexListsKeepEveryVertexNumberedFromOne) {
    for (uint8_t kind : {kSchKindBus, kSchKindPolygon, kSchKindPolyline, kSchKindWire}) {
        const SchHandle object = SchAPI_CreateObjectEx(kind);
        constexpr int32_t kCount = 120;  // well past any fixed-size list
        EXPECT_EQ(SchAPI_QueryVertexCount(kSchQueryWrite, object, kCount), 1);
        for (int32_t i = 1; i <= kCount; ++i) {
            int32_t x = i * 10, y = -i;
            SchAPI_QueryVertexAt(kSchQueryWrite, object, i, &x, &y);
        }
        EXPECT_EQ(SchAPI_QueryVertexCount(kSchQueryRead, object, 0), kCount);
        int32_t x = 0, y = 0;
        EXPECT_EQ(SchAPI_QueryVertexAt(kSchQueryRead, object, kCount, &x, &y), 1);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(kCount * 10, -kCount));
        EXPECT_EQ(SchAPI_QueryVertexAt(kSchQueryRead, object, 1, &x, &y), 1);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(10, -1));
        // Out of range: nothing read, nothing written.
        x = y = 77;
        EXPECT_EQ(SchAPI_QueryVertexAt(kSchQueryRead, object, 0, &x, &y), 0);
        EXPECT_EQ(SchAPI_QueryVertexAt(kSchQueryRead, object, kCount + 1, &x, &y), 0);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(77, 77));
    }
}

TEST_F(ExchangeTest, VertexCallsRefuseObjectsWithoutVerticesAndAbsurdCounts) {
    const SchHandle wire = SchAPI_CreateObjectEx(kSchKindWire);
    EXPECT_EQ(SchAPI_QueryVertexCount(kSchQueryWrite, wire, -1), 0);
    EXPECT_EQ(SchAPI_QueryVertexCount(kSchQueryWrite, wire, INT32_MAX), 0);
    EXPECT_EQ(SchAPI_QueryVertexCount(kSchQueryRead, wire, 0), 0);

    const SchHandle pin = SchAPI_CreateObjectEx(kSchKindPin);
    int32_t x = 1, y = 1;
    EXPECT_EQ(SchAPI_QueryVertexCount(kSchQueryWrite, pin, 3), 0);
    EXPECT_EQ(SchAPI_QueryVertexAt(kSchQueryWrite, pin, 1, &x, &y), 0);
    EXPECT_EQ(SchAPI_QueryVertexCount(kSchQueryRead, 0, 0), 0);
}

TEST_F(ExchangeTest, TextsNeverOverrunTheCallersBuffer) {
    const SchHandle label = SchAPI_CreateObjectEx(kSchKindAnnotation);
    // A caller buffer of exactly 256 bytes with no terminating NUL: the editor reads 255.
    std::array<char, 256 + 8> guarded{};
    guarded.fill('x');
    char* buffer = guarded.data();
    int32_t x = 0, y = 0, font = 1;
    uint8_t orientation = 0, flag = 0;
    uint32_t color = 0;
    SchAPI_QueryLabel(kSchQueryWrite, label, &x, &y, &orientation, &color, &font, &flag, &buffer);
    guarded.fill('\x7F');
    SchAPI_QueryLabel(kSchQueryRead, label, &x, &y, &orientation, &color, &font, &flag, &buffer);
    EXPECT_EQ(std::string(guarded.data()), std::string(255, 'x'));
    EXPECT_EQ(guarded[256], '\x7F');

    // A null text pointer is skipped, not followed.
    char* none = nullptr;
    EXPECT_EQ(
        SchAPI_QueryLabel(kSchQueryRead, label, &x, &y, &orientation, &color, &font, &flag, &none),
        1);
}

TEST_F(ExchangeTest, PartUniqueIdTravelsInTheCallersBufferSize) {
    const SchHandle part = SchAPI_CreateObjectEx(kSchKindPart);
    std::array<char, 1024> buffer{};
    char* pointer = buffer.data();
    SchAPI_QuerySchPartUniqueId(kSchQueryRead, part, &pointer, 1024);
    const std::string hostId(buffer.data());
    EXPECT_EQ(hostId.size(), 8u);
    EXPECT_NE(hostId, "$$$");

    const std::string longId(600, 'Q');
    std::memcpy(buffer.data(), longId.c_str(), longId.size() + 1);
    EXPECT_EQ(SchAPI_QuerySchPartUniqueId(kSchQueryWrite, part, &pointer, 1024), 1);
    buffer.fill(0);
    SchAPI_QuerySchPartUniqueId(kSchQueryRead, part, &pointer, 1024);
    EXPECT_EQ(std::string(buffer.data()), longId);

    std::array<char, 16> small{};
    small.fill('#');
    char* smallPointer = small.data();
    SchAPI_QuerySchPartUniqueId(kSchQueryRead, part, &smallPointer, 10);
    EXPECT_EQ(std::string(small.data()), std::string(9, 'Q'));
    EXPECT_EQ(small[10], '#');
    EXPECT_EQ(SchAPI_QuerySchPartUniqueId(kSchQueryRead, part, &smallPointer, 0), 0);
}

TEST_F(ExchangeTest, UnknownHandlesGiveNeutralValues) {
    EXPECT_EQ(SchAPI_GetObjectIdFromObjectHandle(0), kSchKindNone);
    EXPECT_EQ(SchAPI_GetObjectIdFromObjectHandle(12345), kSchKindNone);
    EXPECT_EQ(SchAPI_CreateObjectEx(2), 0u);  // no such kind
    EXPECT_EQ(SchAPI_CreateObjectEx(kSchKindNone), 0u);
    EXPECT_EQ(SchAPI_DestroyObject(999), 0);
    EXPECT_EQ(SchAPI_AddObjectToContainer(0, 0), 0);
    EXPECT_EQ(SchAPI_CreateIterator(42, kSchKindPin), 0u);
    EXPECT_EQ(SchAPI_GetFirstObject(42), 0u);
    EXPECT_EQ(SchAPI_GetNextObject(0), 0u);
    EXPECT_EQ(SchAPI_GetCurrentDocumentHandle(), 0u);
    EXPECT_EQ(SchAPI_GetWindowHandleFromSheetHandle(5), 0u);
    EXPECT_EQ(SchAPI_RedrawSheet(5), 0);
    EXPECT_EQ(SchAPI_RedrawObject(5), 0);
    EXPECT_EQ(SchAPI_ImportFromUser(5), 0);
    EXPECT_EQ(SchAPI_SendCommand(nullptr, nullptr, 0, 0), 0);
    EXPECT_EQ(SchAPI_SendCommand("Sch:AddComponentPart", nullptr, 0, 0), 0);
    int32_t x1 = -1, y1 = -1, x2 = -1, y2 = -1;
    EXPECT_EQ(SchAPI_GetObjectBoundingRectangle(77, &x1, &y1, &x2, &y2), 0);
    EXPECT_EQ(std::make_tuple(x1, y1, x2, y2), std::make_tuple(-1, -1, -1, -1));
    // A document handle is not an object, an object handle is not a document.
    const SchHandle sheet = NewSheet();
    const SchHandle wire = SchAPI_CreateObjectEx(kSchKindWire);
    EXPECT_EQ(SchAPI_GetObjectIdFromObjectHandle(sheet), kSchKindNone);
    EXPECT_EQ(SchAPI_AddObjectToContainer(wire, sheet), 0);
    EXPECT_EQ(SchAPI_RedrawSheet(wire), 0);
}

}  // namespace
