#include "document_json.h"

#include "object_store.h"
#include "real48.h"

namespace qelsch {
namespace {

using Json = nlohmann::ordered_json;

class DocumentWriter {
  public:
    DocumentWriter(const ObjectStore& store, CodePage codePage)
        : FStore(store), FCodePage(codePage) {}

    Json Document(const qelsch::Document& document) const;

  private:
    std::string Utf8(const std::string& bytes) const { return ToUtf8(bytes, FCodePage); }
    static Json Point(const SchPoint& point) { return Json::array({point.x, point.y}); }
    static bool Flag(uint8_t value) { return value != 0; }

    Json Options(const DocumentOptions& options) const;
    Json LibraryOptionsJson(const LibraryOptions& options) const;
    Json Component(const LibraryComponent& component) const;
    Json ObjectList(const std::vector<SchHandle>& handles) const;
    Json Object(const SchObject& object) const;
    Json OwnedText(SchHandle handle) const;
    void AddKindProperties(const SchObject& object, Json& json) const;
    static Json Vertices(const MultiVertexObject& object);

    const ObjectStore& FStore;
    CodePage FCodePage;
};

Json DocumentWriter::Document(const qelsch::Document& document) const {
    Json json;
    json["kind"] = DocumentKindText(document.kind);
    json["name"] = Utf8(document.name);
    json["options"] = Options(document.options);
    json["objects"] = ObjectList(document.objects);
    if (document.kind == DocumentKind::Library) {
        json["libraryOptions"] = LibraryOptionsJson(document.libraryOptions);
        Json components = Json::array();
        for (SchHandle handle : document.components) {
            if (const LibraryComponent* component = FStore.FindComponent(handle)) {
                components.push_back(Component(*component));
            }
        }
        json["components"] = std::move(components);
    }
    return json;
}

Json DocumentWriter::Options(const DocumentOptions& o) const {
    Json json;
    json["sheetStyle"] = o.sheetStyle;
    json["useCustomSheet"] = Flag(o.useCustomSheet);
    json["customX"] = o.customX;
    json["customY"] = o.customY;
    json["borderOn"] = Flag(o.borderOn);
    json["titleSheet"] = Flag(o.titleSheet);
    json["b1"] = o.b1;
    json["b3"] = o.b3;
    json["b5"] = o.b5;
    json["l1"] = o.l1;
    json["pb1"] = o.pb1;
    json["pl1"] = o.pl1;
    json["pb2"] = o.pb2;
    json["pl2"] = o.pl2;
    json["pb3"] = o.pb3;
    json["pl3"] = o.pl3;
    json["pb4"] = o.pb4;
    json["pl4"] = o.pl4;
    json["l2"] = o.l2;
    json["l3"] = o.l3;
    json["l4"] = o.l4;
    Json texts = Json::array();
    for (const std::string& text : o.texts) texts.push_back(Utf8(text));
    json["texts"] = std::move(texts);
    json["l5"] = o.l5;
    json["l6"] = o.l6;
    json["t9"] = Utf8(o.t9);
    json["l7"] = o.l7;
    return json;
}

Json DocumentWriter::LibraryOptionsJson(const LibraryOptions& o) const {
    Json json;
    json["l3"] = o.l3;
    json["bytes"] = o.bytes;
    json["l1"] = o.l1;
    json["l2"] = o.l2;
    json["l4"] = o.l4;
    json["b7"] = o.b7;
    json["l5"] = o.l5;
    json["b8"] = o.b8;
    json["l6"] = o.l6;
    json["text"] = Utf8(o.text);
    const LibraryComponent* current = FStore.FindComponent(o.currentComponent);
    json["currentComponent"] = current ? Json(Utf8(current->name)) : Json(nullptr);
    return json;
}

Json DocumentWriter::Component(const LibraryComponent& component) const {
    Json json;
    json["name"] = Utf8(component.name);
    Json texts = Json::array();
    for (const std::string& text : component.texts) texts.push_back(Utf8(text));
    json["texts"] = std::move(texts);
    Json parts = Json::array();
    for (const ComponentPart& part : component.parts) {
        Json modes;
        for (DisplayMode mode : {DisplayMode::Normal, DisplayMode::Ieee, DisplayMode::Demorgan}) {
            modes[DisplayModeName(mode)] = ObjectList(part.In(mode));
        }
        parts.push_back(std::move(modes));
    }
    json["parts"] = std::move(parts);
    return json;
}

Json DocumentWriter::ObjectList(const std::vector<SchHandle>& handles) const {
    Json list = Json::array();
    for (SchHandle handle : handles) {
        if (const SchObject* object = FStore.FindObject(handle)) list.push_back(Object(*object));
    }
    return list;
}

Json DocumentWriter::Object(const SchObject& object) const {
    Json json;
    json["kind"] = KindName(object.kind);
    json["location"] = Point(object.location);
    json["color"] = object.color;
    json["primitiveFlag"] = object.primitiveFlag;
    AddKindProperties(object, json);
    return json;
}

Json DocumentWriter::OwnedText(SchHandle handle) const {
    const SchObject* object = FStore.FindObject(handle);
    return object ? Object(*object) : Json(nullptr);
}

Json DocumentWriter::Vertices(const MultiVertexObject& object) {
    Json list = Json::array();
    for (const SchPoint& vertex : object.vertices) list.push_back(Point(vertex));
    return list;
}

void DocumentWriter::AddKindProperties(const SchObject& object, Json& json) const {
    if (const auto* o = object.As<Arc>()) {
        json["radius"] = o->radius;
        json["lineWidth"] = o->lineWidth;
        json["startAngle"] = Real48ToDouble(o->startAngle);
        json["endAngle"] = Real48ToDouble(o->endAngle);
    } else if (object.kind == kSchKindBus || object.kind == kSchKindWire ||
               object.kind == kSchKindPolygon || object.kind == kSchKindPolyline) {
        const auto& o = static_cast<const MultiVertexObject&>(object);
        json["lineWidth"] = o.lineWidth;
        json["vertices"] = Vertices(o);
        if (const auto* polygon = object.As<Polygon>()) {
            json["passThrough1"] = polygon->passThrough1;
            json["passThrough2"] = polygon->passThrough2;
        } else if (const auto* polyline = object.As<Polyline>()) {
            json["passThrough"] = polyline->passThrough;
        }
    } else if (const auto* o = object.As<BusEntry>()) {
        json["corner"] = Point(o->corner);
        json["passThrough"] = o->passThrough;
    } else if (const auto* o = object.As<Text>()) {
        json["text"] = Utf8(o->text);
        json["isHidden"] = Flag(o->isHidden);
        json["orientation"] = o->orientation;
        json["passThrough"] = o->passThrough;
    } else if (const auto* o = object.As<Junction>()) {
        json["passThrough1"] = o->passThrough1;
        json["passThrough2"] = o->passThrough2;
    } else if (const auto* o = object.As<Annotation>()) {
        json["text"] = Utf8(o->text);
        json["orientation"] = o->orientation;
        json["fontId"] = o->fontId;
    } else if (const auto* o = object.As<Line>()) {
        json["corner"] = Point(o->corner);
        json["lineStyle"] = o->lineStyle;
        json["passThrough"] = o->passThrough;
    } else if (const auto* o = object.As<NetLabel>()) {
        json["text"] = Utf8(o->text);
        json["orientation"] = o->orientation;
        json["passThrough"] = o->passThrough;
    } else if (const auto* o = object.As<Part>()) {
        json["libReference"] = Utf8(o->libReference);
        json["footprint"] = Utf8(o->footprint);
        json["currentPartId"] = o->currentPartId;
        json["orientation"] = o->orientation;
        json["mirrored"] = Flag(o->mirrored);
        json["uniqueId"] = Utf8(o->uniqueId);
        json["designatorField"] = OwnedText(o->designatorField);
        json["commentField"] = OwnedText(o->commentField);
        json["sheetFileNameField"] = OwnedText(o->sheetFileNameField);
        Json fields = Json::array();
        for (SchHandle field : o->partFields) fields.push_back(OwnedText(field));
        json["partFields"] = std::move(fields);
        json["passThrough1"] = o->passThrough1;
        json["passThrough2"] = o->passThrough2;
        json["passThrough3"] = o->passThrough3;
        json["passThroughText"] = Utf8(o->passThroughText);
        json["passThroughValue"] = o->passThroughValue;
        Json eight = Json::array();
        for (const std::string& text : o->eightTexts) eight.push_back(Utf8(text));
        json["eightTexts"] = std::move(eight);
        json["lastText"] = Utf8(o->lastText);
        json["passThrough4"] = o->passThrough4;
        json["passThrough5"] = o->passThrough5;
        json["passThroughValue2"] = o->passThroughValue2;
        json["passThroughValue3"] = o->passThroughValue3;
    } else if (const auto* o = object.As<Pin>()) {
        json["name"] = Utf8(o->name);
        json["designator"] = Utf8(o->designator);
        json["orientation"] = o->orientation;
        json["length"] = o->length;
        json["electrical"] = o->electrical;
        json["dot"] = Flag(o->dot);
        json["clock"] = Flag(o->clock);
        json["showName"] = Flag(o->showName);
        json["showDesignator"] = Flag(o->showDesignator);
        json["addedPin"] = Flag(o->addedPin);
    } else if (const auto* o = object.As<Port>()) {
        json["name"] = Utf8(o->name);
        json["style"] = o->style;
        json["width"] = o->width;
        json["byte2"] = o->byte2;
        json["byte3"] = o->byte3;
        json["passThrough1"] = o->passThrough1;
        json["passThrough2"] = o->passThrough2;
    } else if (const auto* o = object.As<PowerObject>()) {
        json["text"] = Utf8(o->text);
        json["orientation"] = o->orientation;
        json["passThrough"] = o->passThrough;
    } else if (const auto* o = object.As<SheetSymbol>()) {
        json["xSize"] = o->xSize;
        json["ySize"] = o->ySize;
        json["sheetNameField"] = OwnedText(o->sheetNameField);
        json["fileNameField"] = OwnedText(o->fileNameField);
        json["passThrough1"] = o->passThrough1;
        json["passThrough2"] = o->passThrough2;
        json["passThrough3"] = o->passThrough3;
        json["passThrough4"] = o->passThrough4;
    }
}

}  // namespace

nlohmann::ordered_json DocumentToJson(const ObjectStore& store, const Document& document,
                                      CodePage codePage) {
    return DocumentWriter(store, codePage).Document(document);
}

}  // namespace qelsch
