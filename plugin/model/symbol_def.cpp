#include "model/symbol_def.h"

#include "model/attribute.h"
#include "model/sheet_draw_objects.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboSymbolDef::TNimboSymbolDef(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "SymbolDef";
}

TNimboSymbolDef::~TNimboSymbolDef() = default;

// ---- reading -------------------------------------------------------------------------------

// A symbol holds the drawing kinds of a sheet, except cross references; its attributes are kept
// apart from the drawing.
void TNimboSymbolDef::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::originalName:
                FOriginalName = ReadString();
                return true;
            case kw::attr:
                FAttrs.push_back(ParseChild<TNimboAttr>(*this));
                return true;
            case kw::xRef:
                return false;
            default:
                break;
        }
        std::unique_ptr<TNimboObject> drawing = CreateSheetDrawObject(token, this);
        if (drawing == nullptr) return false;
        FDrawing.push_back(ParseChild(*this, std::move(drawing)));
        return true;
    });
}

// The index grows over attributes appended since the last lookup, so attributes may be added
// at any time; emplace keeps the first attribute of a name.
TNimboAttr* TNimboSymbolDef::FindAttribute(std::string_view name) const {
    for (; FIndexedAttrs < FAttrs.size(); ++FIndexedAttrs) {
        FAttrIndex.emplace(wordtab::FoldCase(FAttrs[FIndexedAttrs]->FName), FIndexedAttrs);
    }
    auto found = FAttrIndex.find(wordtab::FoldCase(name));
    return found == FAttrIndex.end() ? nullptr : FAttrs[found->second].get();
}

// ---- translation ---------------------------------------------------------------------------

void TNimboSymbolDef::Translate() {
    TranslateDrawObjects(FDrawing, FDocument);
}
