#include "model/netlist.h"

#include "model/attribute.h"
#include "model/comp_inst.h"
#include "model/component_def.h"
#include "model/library.h"
#include "model/net.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboNetlist::TNimboNetlist(TNimboObject* owner) : TNimboObject(owner) {}
TNimboNetlist::~TNimboNetlist() = default;

void TNimboNetlist::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::compInst:
                AddInstance(ParseChild<TNimboCompInst>(*this));
                return true;
            case kw::net:
                FNets.push_back(ParseChild<TNimboNet>(*this));
                return true;
            case kw::netClass:
                FNetClasses.push_back(ParseChild<TNimboNetClass>(*this));
                return true;
            case kw::classToClassRules:
                FClassToClassRules.push_back(ParseChild<TNimboClassToClass>(*this));
                return true;
            case kw::globalAttrs:
                ReadAttrsInPlace(*this, FGlobalAttrs, FDepth);
                return true;
            default:
                return false;
        }
    });
}

void TNimboNetlist::AddInstance(std::unique_ptr<TNimboCompInst> inst) {
    // Only the first instance of a name is ever found.
    FInstanceIndex.try_emplace(wordtab::FoldCase(inst->FName), FInstances.size());
    FInstances.push_back(std::move(inst));
}

TNimboCompInst* TNimboNetlist::FindInstance(std::string_view name) const {
    const auto found = FInstanceIndex.find(wordtab::FoldCase(name));
    return found == FInstanceIndex.end() ? nullptr : FInstances[found->second].get();
}

TNimboCompDef* TNimboNetlist::FindInstanceCompDef(std::string_view name) const {
    const TNimboCompInst* inst = FindInstance(name);
    const TNimboLibrary* library = TNimboLibrary::Of(this);
    if (inst == nullptr || library == nullptr) return nullptr;
    return library->FindComponentDef(inst->FCompRef);
}
