#pragma once
// A component instance of the netlist: reference designator, component definition, value,
// footprint and attributes that a placed symbol with that designator takes over.

#include <memory>
#include <string>
#include <vector>

#include "reader/nimbo_object.h"

class TNimboAttr;

class TNimboCompInst : public TNimboDesignObject {
  public:
    explicit TNimboCompInst(TNimboObject* owner);
    ~TNimboCompInst() override;

    // Reads the section; an instance without a value takes its original name as value.
    void Parse() override;

    std::string FName;  // reference designator
    std::string FCompRef;
    std::string FOriginalName;
    std::string FCompValue;
    std::string FPatternName;
    std::vector<std::unique_ptr<TNimboAttr>> FAttrs;
};
