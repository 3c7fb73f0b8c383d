#include "model/library.h"

#include <memory>

#include "host/document_options.h"
#include "model/component_def.h"
#include "model/pad_style.h"
#include "model/pattern_def.h"
#include "model/symbol_def.h"
#include "model/text_style.h"
#include "model/via_style.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

// Reading of the library section and the lookups by name; the translation is the library
// import (library_import.cpp).

TNimboLibrary::TNimboLibrary(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "Library";
    FLibrary = this;
}

TNimboLibrary::~TNimboLibrary() = default;

namespace {

// Parses a definition owned by `library` and registers it in `registry` under the name that
// `nameOf` gives once it is read; balances the "(" counted before the keyword.
template <class TDefinition, class TRead, class TName>
void ReadDefinition(TNimboLibrary& library, TNimboStyleDef& registry, TRead read, TName nameOf) {
    auto definition = std::make_unique<TDefinition>(&library);
    read(*definition);
    --library.FDepth;
    std::string name = nameOf(*definition);
    registry.Register(std::move(name), std::move(definition));
}

void ParseSection(TNimboObject& definition) {
    definition.Parse();
}

}  // namespace

void TNimboLibrary::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::compDef:
                ReadDefinition<TNimboCompDef>(*this, FCompDefs, ParseSection,
                                              [](const TNimboCompDef& d) { return d.FName; });
                return true;
            case kw::symbolDef:
                ReadDefinition<TNimboSymbolDef>(
                    *this, FSymbolDefs, ParseSection,
                    [](const TNimboSymbolDef& d) { return d.FOriginalName; });
                return true;
            case kw::textStyleDef:
                ReadDefinition<TNimboTextStyleDef>(
                    *this, FTextStyleDefs, ParseSection,
                    [](const TNimboTextStyleDef& d) { return d.FName; });
                return true;
            case kw::patternDef:
                ReadDefinition<TNimboPatternDef>(*this, FPatternDefs, ParseSection,
                                                 [](const TNimboPatternDef& d) { return d.FName; });
                return true;
            case kw::padStyleDef:
                ReadDefinition<TNimboPadStyleDef>(
                    *this, FPadStyleDefs, [](TNimboPadStyleDef& d) { d.ReadSection(); },
                    [](const TNimboPadStyleDef& d) { return d.FName; });
                return true;
            case kw::viaStyleDef:
                ReadDefinition<TNimboViaStyleDef>(
                    *this, FViaStyleDefs, [](TNimboViaStyleDef& d) { d.ReadSection(); },
                    [](const TNimboViaStyleDef& d) { return d.FName; });
                return true;
            case kw::compAlias:
                ReadAlias(FCompDefs);
                return true;
            case kw::patternAlias:
                ReadAlias(FPatternDefs);
                return true;
            case kw::symbolAlias:
                ReadAlias(FSymbolDefs);
                return true;
            default:
                return false;
        }
    });
}

void TNimboLibrary::ReadAlias(TNimboStyleDef& registry) {
    std::string alias = ReadString();
    std::string target = ReadString();
    registry.AddAlias(std::move(alias), std::move(target));
}

// ---- lookups -------------------------------------------------------------------------------

TNimboCompDef* TNimboLibrary::FindComponentDef(std::string_view name) const {
    return static_cast<TNimboCompDef*>(FCompDefs.Find(name));
}

TNimboSymbolDef* TNimboLibrary::FindSymbolDef(std::string_view originalName) const {
    return static_cast<TNimboSymbolDef*>(FSymbolDefs.Find(originalName));
}

TNimboTextStyleDef* TNimboLibrary::FindTextStyle(std::string_view name) const {
    return static_cast<TNimboTextStyleDef*>(FTextStyleDefs.Find(name));
}

TNimboLibrary* TNimboLibrary::Of(const TNimboObject* object) {
    return object != nullptr ? dynamic_cast<TNimboLibrary*>(object->FLibrary) : nullptr;
}
