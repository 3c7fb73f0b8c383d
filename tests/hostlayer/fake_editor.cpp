#include "fake_editor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "frame/sch_procs.h"

TFakeEditor& TFakeEditor::Get() {
    static TFakeEditor editor;
    return editor;
}

int TFakeEditor::IdOf(const std::string& name) {
    return FIds.try_emplace(name, static_cast<int>(FIds.size()) + 1).first->second;
}

std::string TFakeEditor::SeedBytes(const std::string& name, size_t size) {
    // Every byte nonzero and the first byte distinct per name (fewer than 255 names exist).
    const int id = IdOf(name);
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((id + 37 * i) % 255 + 1);
    if (size == sizeof(SchReal48)) bytes[0] = static_cast<char>(100 + id);  // a sane exponent
    return bytes;
}

std::string& TFakeEditor::Property(SchHandle object, const std::string& name,
                                   const std::string& seed) {
    return Objects[object].try_emplace(name, seed).first->second;
}

void TFakeEditor::Text(int32_t mode, SchHandle object, const std::string& name, char** text,
                       int32_t size) {
    TextSizes[name] = size;
    std::string& stored = Property(object, name, SeedText(name));
    if (mode == kSchQueryRead) {
        const size_t length = std::min(stored.size(), static_cast<size_t>(size) - 1);
        std::memcpy(*text, stored.data(), length);
        (*text)[length] = '\0';
    } else {
        stored.assign(*text, strnlen(*text, static_cast<size_t>(size)));
    }
}

int32_t TFakeEditor::VertexCount(int32_t mode, SchHandle object, int32_t count) {
    auto [it, fresh] = Vertices.try_emplace(object);
    if (fresh) it->second = {{11, 12}, {13, 14}, {15, 16}};
    if (mode == kSchQueryRead) return static_cast<int32_t>(it->second.size());
    EXPECT_GE(count, 0);
    it->second.assign(static_cast<size_t>(std::max(count, 0)), TPoint{-7, -7});
    return 1;
}

void TFakeEditor::VertexAt(int32_t mode, SchHandle object, int32_t index, int32_t* x, int32_t* y) {
    auto& list = Vertices[object];
    if (index < 1 || index > static_cast<int32_t>(list.size())) {
        ADD_FAILURE() << "vertex " << index << " of " << list.size();
        return;
    }
    TPoint& vertex = list[static_cast<size_t>(index - 1)];
    if (mode == kSchQueryRead) {
        *x = vertex.X;
        *y = vertex.Y;
    } else {
        vertex = {*x, *y};
    }
}

namespace {

TFakeEditor& E() {
    return TFakeEditor::Get();
}

// The fake functions, with the editor's parameter order and names.

SchHandle CreateObjectEx(uint8_t kind) {
    E().CreatedKinds.push_back(kind);
    return E().NextHandle++;
}

int32_t AddObjectToContainer(SchHandle document, SchHandle object) {
    E().Added.emplace_back(document, object);
    return 1;
}

int32_t GetObjectBoundingRectangle(SchHandle object, int32_t* x1, int32_t* y1, int32_t* x2,
                                   int32_t* y2) {
    E().Record("GetObjectBoundingRectangle", static_cast<int32_t>(object));
    *x1 = 1;
    *y1 = 2;
    *x2 = 3;
    *y2 = 4;
    return 1;
}

int32_t ImportFromUser(SchHandle object) {
    E().Record("ImportFromUser", static_cast<int32_t>(object));
    return E().ImportFromUserAnswer;
}

int32_t RedrawObject(SchHandle object) {
    E().Record("RedrawObject", static_cast<int32_t>(object));
    return 1;
}

int32_t SendCommand(const char* command, char*, uint16_t, SchHandle) {
    E().Record(std::string("SendCommand ") + command, 0);
    return 7;
}

int32_t QueryDocumentName(int32_t mode, SchHandle document, char** name, int32_t size) {
    E().Record("QueryDocumentName", mode);
    E().Text(mode, document, "name", name, size);
    return 1;
}

int32_t QueryDocumentOptions(int32_t mode, SchHandle document, uint8_t* b1, uint8_t* b2,
                             uint8_t* b3, uint8_t* b4, uint8_t* b5, int32_t* l1, uint8_t* pb1,
                             int32_t* pl1, uint8_t* pb2, int32_t* pl2, uint8_t* pb3, int32_t* pl3,
                             uint8_t* pb4, int32_t* pl4, uint8_t* sheetStyle,
                             uint8_t* useCustomSheet, int32_t* customX, int32_t* customY,
                             int32_t* l2, int32_t* l3, int32_t* l4, char** t1, char** t2, char** t3,
                             char** t4, char** t5, char** t6, char** t7, char** t8, int32_t* l5,
                             int32_t* l6, char** t9, int32_t* l7) {
    auto& e = E();
    e.Record("QueryDocumentOptions", mode);
    const SchHandle d = document;
    e.Slot(mode, d, "b1", b1), e.Slot(mode, d, "b2", b2), e.Slot(mode, d, "b3", b3);
    e.Slot(mode, d, "b4", b4), e.Slot(mode, d, "b5", b5), e.Slot(mode, d, "l1", l1);
    e.Slot(mode, d, "pb1", pb1), e.Slot(mode, d, "pl1", pl1), e.Slot(mode, d, "pb2", pb2);
    e.Slot(mode, d, "pl2", pl2), e.Slot(mode, d, "pb3", pb3), e.Slot(mode, d, "pl3", pl3);
    e.Slot(mode, d, "pb4", pb4), e.Slot(mode, d, "pl4", pl4);
    e.Slot(mode, d, "sheetStyle", sheetStyle), e.Slot(mode, d, "useCustomSheet", useCustomSheet);
    e.Slot(mode, d, "customX", customX), e.Slot(mode, d, "customY", customY);
    e.Slot(mode, d, "l2", l2), e.Slot(mode, d, "l3", l3), e.Slot(mode, d, "l4", l4);
    char** texts[] = {t1, t2, t3, t4, t5, t6, t7, t8};
    for (int i = 0; i < 8; ++i) e.Text(mode, d, "t" + std::to_string(i + 1), texts[i]);
    e.Slot(mode, d, "l5", l5), e.Slot(mode, d, "l6", l6);
    e.Text(mode, d, "t9", t9);
    e.Slot(mode, d, "l7", l7);
    return 1;
}

int32_t QuerySchLibOptions(int32_t mode, SchHandle document, int32_t* l3, uint8_t* b1, uint8_t* b2,
                           uint8_t* b3, uint8_t* b4, uint8_t* b5, uint8_t* b6, int32_t* l1,
                           int32_t* l2, int32_t* l4, uint8_t* b7, int32_t* l5, uint8_t* b8,
                           int32_t* l6, char** text, SchHandle* currentComponent) {
    auto& e = E();
    e.Record("QuerySchLibOptions", mode);
    const SchHandle d = document;
    e.Slot(mode, d, "l3", l3), e.Slot(mode, d, "b1", b1), e.Slot(mode, d, "b2", b2);
    e.Slot(mode, d, "b3", b3), e.Slot(mode, d, "b4", b4), e.Slot(mode, d, "b5", b5);
    e.Slot(mode, d, "b6", b6), e.Slot(mode, d, "l1", l1), e.Slot(mode, d, "l2", l2);
    e.Slot(mode, d, "l4", l4), e.Slot(mode, d, "b7", b7), e.Slot(mode, d, "l5", l5);
    e.Slot(mode, d, "b8", b8), e.Slot(mode, d, "l6", l6);
    e.Text(mode, d, "text", text);
    e.Slot(mode, d, "currentComponent", currentComponent);
    return 1;
}

int32_t QueryLibraryComponent(int32_t mode, SchHandle c, char** t0, char** t1, char** t2, char** t3,
                              char** t4, char** t5, char** t6, char** t7, char** t8, char** t9,
                              char** t10, char** t11, char** t12, char** t13, char** t14,
                              char** t15, char** t16, char** t17, char** t18, char** t19,
                              char** t20, char** t21, char** t22, char** t23, char** t24,
                              char** t25, char** t26, char** t27, char** t28, char** t29,
                              char** t30) {
    E().Record("QueryLibraryComponent", mode);
    char** texts[] = {t0,  t1,  t2,  t3,  t4,  t5,  t6,  t7,  t8,  t9,  t10,
                      t11, t12, t13, t14, t15, t16, t17, t18, t19, t20, t21,
                      t22, t23, t24, t25, t26, t27, t28, t29, t30};
    for (int i = 0; i < 31; ++i) E().Text(mode, c, "t" + std::to_string(i), texts[i]);
    return 1;
}

int32_t QueryPrimitive(int32_t mode, SchHandle o, uint8_t* objectId, int32_t* x, int32_t* y,
                       uint32_t* color, uint8_t* primitiveFlag) {
    auto& e = E();
    e.Record("QueryPrimitive", mode);
    e.Slot(mode, o, "objectId", objectId), e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y);
    e.Slot(mode, o, "color", color), e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    return 1;
}

int32_t QueryVertexCount(int32_t mode, SchHandle o, int32_t count) {
    E().Record("QueryVertexCount", mode);
    return E().VertexCount(mode, o, count);
}

int32_t QueryVertexAt(int32_t mode, SchHandle o, int32_t index, int32_t* x, int32_t* y) {
    E().Record("QueryVertexAt", mode);
    E().VertexAt(mode, o, index, x, y);
    return 1;
}

int32_t QueryArc(int32_t mode, SchHandle o, int32_t* x, int32_t* y, int32_t* radius,
                 uint8_t* lineWidth, SchReal48* startAngle, SchReal48* endAngle, uint32_t* color,
                 uint8_t* primitiveFlag) {
    auto& e = E();
    e.Record("QueryArc", mode);
    e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y), e.Slot(mode, o, "radius", radius);
    e.Slot(mode, o, "lineWidth", lineWidth), e.Slot(mode, o, "startAngle", startAngle);
    e.Slot(mode, o, "endAngle", endAngle), e.Slot(mode, o, "color", color);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    return 1;
}

// Bus and wire share their parameter list.
template <const char* Name>
int32_t QueryLineWidthColor(int32_t mode, SchHandle o, uint8_t* lineWidth, uint32_t* color,
                            uint8_t* primitiveFlag) {
    auto& e = E();
    e.Record(Name, mode);
    e.Slot(mode, o, "lineWidth", lineWidth), e.Slot(mode, o, "color", color);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    return 1;
}
constexpr char kQueryBus[] = "QueryBus";
constexpr char kQueryWire[] = "QueryWire";

int32_t QueryBusEntry(int32_t mode, SchHandle o, int32_t* x, int32_t* y, int32_t* cornerX,
                      int32_t* cornerY, uint8_t* passThrough, uint32_t* color,
                      uint8_t* primitiveFlag) {
    auto& e = E();
    e.Record("QueryBusEntry", mode);
    e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y), e.Slot(mode, o, "cornerX", cornerX);
    e.Slot(mode, o, "cornerY", cornerY), e.Slot(mode, o, "busEntryPassThrough", passThrough);
    e.Slot(mode, o, "color", color), e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    return 1;
}

int32_t QueryText(int32_t mode, SchHandle o, int32_t* x, int32_t* y, uint8_t* isHidden,
                  int32_t* passThrough, char** text, uint8_t* orientation, uint32_t* color,
                  uint8_t* primitiveFlag) {
    auto& e = E();
    e.Record("QueryText", mode);
    e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y), e.Slot(mode, o, "isHidden", isHidden);
    e.Slot(mode, o, "textPassThrough", passThrough), e.Text(mode, o, "text", text);
    e.Slot(mode, o, "orientation", orientation), e.Slot(mode, o, "color", color);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    return 1;
}

int32_t QueryJunction(int32_t mode, SchHandle o, int32_t* x, int32_t* y, uint8_t* passThrough1,
                      uint8_t* passThrough2, uint32_t* color, uint8_t* primitiveFlag) {
    auto& e = E();
    e.Record("QueryJunction", mode);
    e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y);
    e.Slot(mode, o, "junctionPassThrough1", passThrough1);
    e.Slot(mode, o, "junctionPassThrough2", passThrough2);
    e.Slot(mode, o, "color", color), e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    return 1;
}

int32_t QueryLabel(int32_t mode, SchHandle o, int32_t* x, int32_t* y, uint8_t* orientation,
                   uint32_t* color, int32_t* fontId, uint8_t* primitiveFlag, char** text) {
    auto& e = E();
    e.Record("QueryLabel", mode);
    e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y), e.Slot(mode, o, "orientation", orientation);
    e.Slot(mode, o, "color", color), e.Slot(mode, o, "fontId", fontId);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag), e.Text(mode, o, "text", text);
    return 1;
}

int32_t QueryLine(int32_t mode, SchHandle o, int32_t* x, int32_t* y, int32_t* cornerX,
                  int32_t* cornerY, uint8_t* passThrough, uint8_t* lineStyle, uint32_t* color,
                  uint8_t* primitiveFlag) {
    auto& e = E();
    e.Record("QueryLine", mode);
    e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y), e.Slot(mode, o, "cornerX", cornerX);
    e.Slot(mode, o, "cornerY", cornerY), e.Slot(mode, o, "linePassThrough", passThrough);
    e.Slot(mode, o, "lineStyle", lineStyle), e.Slot(mode, o, "color", color);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    return 1;
}

int32_t QueryNetLabel(int32_t mode, SchHandle o, int32_t* x, int32_t* y, uint8_t* orientation,
                      uint32_t* color, int32_t* passThrough, uint8_t* primitiveFlag, char** text) {
    auto& e = E();
    e.Record("QueryNetLabel", mode);
    e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y), e.Slot(mode, o, "orientation", orientation);
    e.Slot(mode, o, "color", color), e.Slot(mode, o, "netLabelPassThrough", passThrough);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag), e.Text(mode, o, "text", text);
    return 1;
}

int32_t QuerySchPart(int32_t mode, SchHandle o, int32_t* x, int32_t* y, uint8_t* passThrough1,
                     uint8_t* mirrored, uint8_t* orientation, uint8_t* primitiveFlag,
                     int32_t* currentPartId, uint8_t* passThrough2, uint8_t* passThrough3,
                     char** libReference, char** footprint, char** passThroughText,
                     int32_t* passThroughValue, char** eightTexts, int32_t eightTextsHigh,
                     char** lastText, SchHandle* designatorField, SchHandle* commentField,
                     SchHandle* sheetFileNameField, SchHandle* partFields, int32_t partFieldsHigh,
                     uint8_t* passThrough4, uint8_t* passThrough5, int32_t* passThroughValue2,
                     uint32_t* color, int32_t* passThroughValue3) {
    auto& e = E();
    e.Record("QuerySchPart", mode);
    EXPECT_EQ(eightTextsHigh, 7);
    EXPECT_EQ(partFieldsHigh, 15);
    e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y), e.Slot(mode, o, "partPass1", passThrough1);
    e.Slot(mode, o, "mirrored", mirrored), e.Slot(mode, o, "orientation", orientation);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    e.Slot(mode, o, "currentPartId", currentPartId);
    e.Slot(mode, o, "partPass2", passThrough2), e.Slot(mode, o, "partPass3", passThrough3);
    e.Text(mode, o, "libReference", libReference), e.Text(mode, o, "footprint", footprint);
    e.Text(mode, o, "partPassText", passThroughText);
    e.Slot(mode, o, "partPassValue", passThroughValue);
    for (int i = 0; i <= eightTextsHigh; ++i)
        e.Text(mode, o, "eightTexts" + std::to_string(i), &eightTexts[i]);
    e.Text(mode, o, "lastText", lastText);
    e.Slot(mode, o, "designatorField", designatorField);
    e.Slot(mode, o, "commentField", commentField);
    e.Slot(mode, o, "sheetFileNameField", sheetFileNameField);
    for (int i = 0; i <= partFieldsHigh; ++i)
        e.Slot(mode, o, "partFields" + std::to_string(i), &partFields[i]);
    e.Slot(mode, o, "partPass4", passThrough4), e.Slot(mode, o, "partPass5", passThrough5);
    e.Slot(mode, o, "partPassValue2", passThroughValue2), e.Slot(mode, o, "color", color);
    e.Slot(mode, o, "partPassValue3", passThroughValue3);
    return 1;
}

int32_t QuerySchPartUniqueId(int32_t mode, SchHandle o, char** uniqueId, int32_t size) {
    E().Record("QuerySchPartUniqueId", mode);
    E().Text(mode, o, "uniqueId", uniqueId, size);
    return 1;
}

int32_t QueryPin(int32_t mode, SchHandle o, int32_t* x, int32_t* y, char** name, char** designator,
                 uint8_t* dot, uint8_t* clock, uint8_t* addedPin, uint8_t* showName,
                 uint8_t* showDesignator, uint8_t* electrical, int32_t* length,
                 uint8_t* orientation, uint8_t* primitiveFlag, uint32_t* color) {
    auto& e = E();
    e.Record("QueryPin", mode);
    e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y), e.Text(mode, o, "name", name);
    e.Text(mode, o, "designator", designator), e.Slot(mode, o, "dot", dot);
    e.Slot(mode, o, "clock", clock), e.Slot(mode, o, "addedPin", addedPin);
    e.Slot(mode, o, "showName", showName), e.Slot(mode, o, "showDesignator", showDesignator);
    e.Slot(mode, o, "electrical", electrical), e.Slot(mode, o, "length", length);
    e.Slot(mode, o, "orientation", orientation), e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    e.Slot(mode, o, "color", color);
    return 1;
}

int32_t QueryPolygon(int32_t mode, SchHandle o, uint8_t* lineWidth, uint32_t* color,
                     int32_t* passThrough1, int32_t* passThrough2, uint8_t* primitiveFlag) {
    auto& e = E();
    e.Record("QueryPolygon", mode);
    e.Slot(mode, o, "lineWidth", lineWidth), e.Slot(mode, o, "color", color);
    e.Slot(mode, o, "polygonPass1", passThrough1), e.Slot(mode, o, "polygonPass2", passThrough2);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    return 1;
}

int32_t QueryPolyline(int32_t mode, SchHandle o, uint8_t* lineWidth, int32_t* passThrough,
                      uint32_t* color, uint8_t* primitiveFlag) {
    auto& e = E();
    e.Record("QueryPolyline", mode);
    e.Slot(mode, o, "lineWidth", lineWidth), e.Slot(mode, o, "polylinePass", passThrough);
    e.Slot(mode, o, "color", color), e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    return 1;
}

int32_t QueryPort(int32_t mode, SchHandle o, uint8_t* style, uint8_t* byte2, uint8_t* byte3,
                  int32_t* width, int32_t* x, int32_t* y, uint32_t* color, int32_t* passThrough1,
                  int32_t* passThrough2, uint8_t* primitiveFlag, char** name) {
    auto& e = E();
    e.Record("QueryPort", mode);
    e.Slot(mode, o, "style", style), e.Slot(mode, o, "byte2", byte2);
    e.Slot(mode, o, "byte3", byte3), e.Slot(mode, o, "width", width), e.Slot(mode, o, "x", x);
    e.Slot(mode, o, "y", y), e.Slot(mode, o, "color", color);
    e.Slot(mode, o, "portPass1", passThrough1), e.Slot(mode, o, "portPass2", passThrough2);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag), e.Text(mode, o, "name", name);
    return 1;
}

int32_t QueryPowerObject(int32_t mode, SchHandle o, uint8_t* passThrough, int32_t* x, int32_t* y,
                         uint8_t* orientation, uint32_t* color, uint8_t* primitiveFlag,
                         char** text) {
    auto& e = E();
    e.Record("QueryPowerObject", mode);
    e.Slot(mode, o, "powerPass", passThrough), e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y);
    e.Slot(mode, o, "orientation", orientation), e.Slot(mode, o, "color", color);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag), e.Text(mode, o, "text", text);
    return 1;
}

int32_t QuerySheetSymbol(int32_t mode, SchHandle o, int32_t* x, int32_t* y, int32_t* xSize,
                         int32_t* ySize, SchHandle* sheetNameField, SchHandle* fileNameField,
                         uint8_t* passThrough1, uint8_t* passThrough2, uint8_t* passThrough3,
                         uint32_t* color, int32_t* passThrough4, uint8_t* primitiveFlag) {
    auto& e = E();
    e.Record("QuerySheetSymbol", mode);
    e.Slot(mode, o, "x", x), e.Slot(mode, o, "y", y), e.Slot(mode, o, "xSize", xSize);
    e.Slot(mode, o, "ySize", ySize), e.Slot(mode, o, "sheetNameField", sheetNameField);
    e.Slot(mode, o, "fileNameField", fileNameField);
    e.Slot(mode, o, "symbolPass1", passThrough1), e.Slot(mode, o, "symbolPass2", passThrough2);
    e.Slot(mode, o, "symbolPass3", passThrough3), e.Slot(mode, o, "color", color);
    e.Slot(mode, o, "symbolPass4", passThrough4);
    e.Slot(mode, o, "primitiveFlag", primitiveFlag);
    return 1;
}

}  // namespace

void TFakeEditor::Install() {
    Objects.clear();
    Vertices.clear();
    Calls.clear();
    CreatedKinds.clear();
    Added.clear();
    TextSizes.clear();
    NextHandle = 100;
    ImportFromUserAnswer = 0;

    schapi::ResetTable();
    auto& t = schapi::Table();
    t.CreateObjectEx = CreateObjectEx;
    t.AddObjectToContainer = AddObjectToContainer;
    t.GetObjectBoundingRectangle = GetObjectBoundingRectangle;
    t.ImportFromUser = ImportFromUser;
    t.RedrawObject = RedrawObject;
    t.SendCommand = SendCommand;
    t.QueryDocumentName = QueryDocumentName;
    t.QueryDocumentOptions = QueryDocumentOptions;
    t.QuerySchLibOptions = QuerySchLibOptions;
    t.QueryLibraryComponent = QueryLibraryComponent;
    t.QueryPrimitive = QueryPrimitive;
    t.QueryVertexCount = QueryVertexCount;
    t.QueryVertexAt = QueryVertexAt;
    t.QueryArc = QueryArc;
    t.QueryBus = QueryLineWidthColor<kQueryBus>;
    t.QueryBusEntry = QueryBusEntry;
    t.QueryText = QueryText;
    t.QueryJunction = QueryJunction;
    t.QueryLabel = QueryLabel;
    t.QueryLine = QueryLine;
    t.QueryNetLabel = QueryNetLabel;
    t.QuerySchPart = QuerySchPart;
    t.QuerySchPartUniqueId = QuerySchPartUniqueId;
    t.QueryPin = QueryPin;
    t.QueryPolygon = QueryPolygon;
    t.QueryPolyline = QueryPolyline;
    t.QueryPort = QueryPort;
    t.QueryPowerObject = QueryPowerObject;
    t.QuerySheetSymbol = QuerySheetSymbol;
    t.QueryWire = QueryLineWidthColor<kQueryWire>;
}
