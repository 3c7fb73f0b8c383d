#include "model/style_registry.h"

#include "model/word_table.h"

TNimboStyleDef::TNimboStyleDef(TNimboObject* owner) : TNimboObject(owner) {}

TNimboObject* TNimboStyleDef::Register(std::string name, std::unique_ptr<TNimboObject> definition) {
    TNimboObject* registered = definition.get();
    // emplace keeps an existing entry: the first registration of a name stays the one found.
    FIndex.emplace(wordtab::FoldCase(name), FDefinitions.size());
    FDefinitions.push_back({std::move(name), std::move(definition)});
    return registered;
}

void TNimboStyleDef::AddAlias(std::string alias, std::string target) {
    FAliases.emplace_back(std::move(alias), std::move(target));
}

TNimboObject* TNimboStyleDef::Find(std::string_view name) const {
    auto found = FIndex.find(wordtab::FoldCase(name));
    if (found == FIndex.end()) return nullptr;
    return FDefinitions[found->second].Definition.get();
}
