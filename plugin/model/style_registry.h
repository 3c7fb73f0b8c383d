// TNimboStyleDef: one registry of the library, definitions by name plus the alias list.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "reader/nimbo_object.h"

// Holds definitions in registration order and finds them by name without regard to letter
// case; with duplicate names the definition registered first is found. Lookups go through a
// hash index of the folded names, so finding a definition costs the same in any library size.
class TNimboStyleDef : public TNimboObject {
  public:
    struct TEntry {
        std::string Name;
        std::unique_ptr<TNimboObject> Definition;
    };

    explicit TNimboStyleDef(TNimboObject* owner);

    // Takes ownership of `definition` and registers it under `name` (kept as written).
    TNimboObject* Register(std::string name, std::unique_ptr<TNimboObject> definition);
    void AddAlias(std::string alias, std::string target);

    // The first definition registered under `name` (any letter case), or null.
    TNimboObject* Find(std::string_view name) const;

    size_t Count() const { return FDefinitions.size(); }

    // (name, definition) in registration order; duplicates kept.
    std::vector<TEntry> FDefinitions;
    // (alias, target name) pairs of the alias sections; kept, read by nobody.
    std::vector<std::pair<std::string, std::string>> FAliases;

  private:
    // Folded name -> index into FDefinitions of its first registration.
    std::unordered_map<std::string, size_t> FIndex;
};
