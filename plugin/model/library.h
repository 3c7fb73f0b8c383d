// TNimboLibrary: the `library` section, its six registries of definitions and the lookups
// by name that the rest of the file uses. Its translation is the library import
// (library_import.cpp): one host library document with one component per component definition.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "model/style_registry.h"
#include "reader/nimbo_object.h"

class TDocumentOptions;
class TNimboCompDef;
class TNimboSymbolDef;
class TNimboTextStyleDef;

class TNimboLibrary : public TNimboObject {
  public:
    // Sets its own FLibrary to itself so every definition created inside it finds it.
    explicit TNimboLibrary(TNimboObject* owner);
    ~TNimboLibrary() override;

    void Parse() override;
    // The library import: nothing when there is no component definition, else one new host
    // library document receiving every component definition in registration order.
    void Translate() override;

    // A new "SchLib" document named after the imported file, shown, read; null when the
    // host gives no document.
    std::unique_ptr<TDocumentOptions> CreateLibraryDocument();

    // Lookups by name without regard to letter case; the first registration wins; null when
    // nothing is registered under the name.
    TNimboCompDef* FindComponentDef(std::string_view name) const;
    // By the symbol definition's `originalName`, not by its section name.
    TNimboSymbolDef* FindSymbolDef(std::string_view originalName) const;
    TNimboTextStyleDef* FindTextStyle(std::string_view name) const;
    TNimboObject* FindPatternDef(std::string_view name) const { return FPatternDefs.Find(name); }
    TNimboObject* FindPadStyleDef(std::string_view name) const { return FPadStyleDefs.Find(name); }
    TNimboObject* FindViaStyleDef(std::string_view name) const { return FViaStyleDefs.Find(name); }

    // The library that `object` looks definitions up in (its FLibrary), or null.
    static TNimboLibrary* Of(const TNimboObject* object);

    std::string FName;
    TNimboStyleDef FCompDefs{this};      // under FName; aliases of compAlias
    TNimboStyleDef FPadStyleDefs{this};  // board side
    TNimboStyleDef FPatternDefs{this};   // board side; aliases of patternAlias
    TNimboStyleDef FSymbolDefs{this};    // under FOriginalName; aliases of symbolAlias
    TNimboStyleDef FTextStyleDefs{this};
    TNimboStyleDef FViaStyleDefs{this};  // board side
    // Layer names by layer number 0..100, filled by board layer definitions; read by nobody.
    std::array<std::string, 101> FLayerNames;

  private:
    // The library document's wrapper, kept while the definitions that were translated into it
    // may still point at it.
    std::unique_ptr<TDocumentOptions> FLibraryDocument;

    // Two strings, the alias and its target, added to the aliases of `registry`.
    void ReadAlias(TNimboStyleDef& registry);
};
