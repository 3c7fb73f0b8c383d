#pragma once
// A wire with its net name. Translating it pulls its ends back from the bus entries of its sheet
// (drawing a 45-degree host bus entry for each) and lays its net label onto it.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboLine;
class TNimboText;
class TNimboSheet;

class TNimboWire : public TNimboDrawObject {
  public:
    explicit TNimboWire(TNimboObject* owner);
    ~TNimboWire() override;

    void Parse() override;
    void Translate() override;

    // Moves the ends that lie on bus entries of the sheet 10 units off the bus and draws a host bus
    // entry for each. A wire outside a sheet (title sheet, symbol definition) sees no bus entries.
    void ShortenAtBusEntries();
    // One host bus entry from 10 units beside `busPoint` (in `direction`, or against it for a
    // "RightLead" end) to the wire's new end `corner` [host units].
    void AddBusEntry(TPoint busPoint, uint8_t endStyle, uint8_t direction, TPoint corner);

    std::unique_ptr<TNimboLine> FLine;
    bool FDispName = false;
    std::unique_ptr<TNimboText> FNameText;

    // Position of this wire in its sheet's FWiresByNet, set by the sheet.
    size_t FNetPosition = 0;

  private:
    TNimboSheet* OwningSheet() const;
    void AddNetLabel();
};

// True once the bus entry message was reported; stays set while the module is loaded.
bool BusEntryMessageReported();
