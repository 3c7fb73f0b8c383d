// TNimboSymbolDef: the graphics and attributes of one gate symbol of the library. Translated
// into the library component part and display mode that are current in the host's editor.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reader/nimbo_object.h"

class TNimboAttr;

class TNimboSymbolDef : public TNimboObject {
  public:
    explicit TNimboSymbolDef(TNimboObject* owner);
    ~TNimboSymbolDef() override;

    void Parse() override;
    // Translates every drawing object into FDocument in file order; a failing object is
    // dropped and the next one translated. The attributes are not translated here.
    void Translate() override;

    // The first attribute whose name equals `name` without regard to letter case, or null.
    TNimboAttr* FindAttribute(std::string_view name) const;

    std::string FName;
    std::string FOriginalName;  // the name the library registers the definition under
    // Drawing objects in file order; pins among them carry the kind name "Pin".
    std::vector<std::unique_ptr<TNimboObject>> FDrawing;
    std::vector<std::unique_ptr<TNimboAttr>> FAttrs;

  private:
    // Folded attribute name -> index in FAttrs of its first attribute; covers the first
    // FIndexedAttrs attributes and is extended on lookup.
    mutable std::unordered_map<std::string, size_t> FAttrIndex;
    mutable size_t FIndexedAttrs = 0;
};
