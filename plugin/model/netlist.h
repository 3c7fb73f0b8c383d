#pragma once
// The netlist section: component instances, nets, net classes and class-to-class rules. It
// creates no host object; the design looks component instances up in it by reference designator.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reader/nimbo_object.h"

class TNimboAttr;
class TNimboCompInst;
class TNimboNet;
class TNimboNetClass;
class TNimboClassToClass;
class TNimboCompDef;

class TNimboNetlist : public TNimboObject {
  public:
    explicit TNimboNetlist(TNimboObject* owner);
    ~TNimboNetlist() override;

    void Parse() override;

    // The first instance of that name, compared without regard to letter case; null when none.
    TNimboCompInst* FindInstance(std::string_view name) const;
    // The library's component definition named by the instance's component reference; null when
    // the instance is missing or the library (read before this netlist) has no such definition.
    TNimboCompDef* FindInstanceCompDef(std::string_view name) const;

    std::string FName;
    std::vector<std::unique_ptr<TNimboAttr>> FGlobalAttrs;
    std::vector<std::unique_ptr<TNimboCompInst>> FInstances;  // file order
    std::vector<std::unique_ptr<TNimboNet>> FNets;
    std::vector<std::unique_ptr<TNimboNetClass>> FNetClasses;
    std::vector<std::unique_ptr<TNimboClassToClass>> FClassToClassRules;

  private:
    void AddInstance(std::unique_ptr<TNimboCompInst> inst);

    // Upper-cased name -> position in FInstances of the first instance with that name.
    std::unordered_map<std::string, size_t> FInstanceIndex;
};
