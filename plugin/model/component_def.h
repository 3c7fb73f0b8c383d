// TNimboCompDef: one component definition of the library. Reading is component_def.cpp; its
// translation into a host library component is library_import.cpp.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/attached_pattern.h"
#include "model/attached_symbol.h"
#include "model/attribute.h"
#include "model/comp_pin.h"
#include "model/component_header.h"
#include "reader/nimbo_object.h"

class TSchLibraryComponent;

class TNimboCompDef : public TNimboObject {
  public:
    explicit TNimboCompDef(TNimboObject* owner);
    ~TNimboCompDef() override;

    void Parse() override;
    // Builds one host library component in FDocument (a library document): parts drawn from
    // the attached symbols, footprint, prefix, fields, then the pin pass.
    void Translate() override;

    // Puts `text` into the first empty library field slot (texts 5..12) of `component`; when
    // all eight are taken, warns and drops it. Writes the component either way.
    void AddLibraryField(const std::string& text, TSchLibraryComponent& component);
    // Gives the host pins drawn by the symbols the designators, names and electrical types of
    // the component pins; adds a host pin for each component pin of part 0.
    void UpdateComponentPins();

    std::string FName;
    std::string FOriginalName;
    std::unique_ptr<TNimboComponentHeader> FHeader;  // the last `compHeader`, or none
    std::vector<std::unique_ptr<TNimboCompPin>> FCompPins;
    std::vector<std::unique_ptr<TNimboAttachedSymbol>> FAttachedSymbols;
    std::vector<std::unique_ptr<TNimboAttachedPattern>> FAttachedPatterns;
    std::vector<std::unique_ptr<TNimboAttr>> FAttrs;
};

// The host's electrical code (TPin::FElectrical) of a component pin type.
uint8_t PinElectricalCode(uint8_t pinType);
