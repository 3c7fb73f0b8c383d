#pragma once
// A symbol placed on a sheet: one gate of a component. The component's type decides what the
// host gets: a part with its designator, comment and parameter texts (normal and module
// components), power objects or ports (power and link components), or a marker and a warning
// (sheet connectors).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboAttr;
class TNimboAttachedSymbol;
class TNimboCompDef;
class TNimboPin;
class TNimboSheet;
class TSchPart;
class TSchTextField;

inline constexpr uint32_t kMarkerBlue = 0xFF0000;  // colours are 0x00BBGGRR
inline constexpr uint32_t kMarkerRed = 255;

class TNimboSymbol : public TNimboDrawObject {
  public:
    explicit TNimboSymbol(TNimboObject* owner);
    ~TNimboSymbol() override;

    void Parse() override;
    void Translate() override;

    // The first of this symbol's attributes with that name (no regard to letter case), or null.
    TNimboAttr* FindAttr(std::string_view name) const;
    // The instance of that reference designator in the netlist, then the library's definition
    // named by the instance; null when either is missing.
    static TNimboCompDef* FindCompDef(const TNimboObject* netlist, std::string_view refDes);
    // The component definition's attached symbol whose part number is this symbol's, or null.
    TNimboAttachedSymbol* FindAttachedSymbol() const;
    // A new host part filled from the netlist instance (library reference, footprint, comment,
    // parameters), not yet in any document; null when there is no such instance.
    std::unique_ptr<TSchPart> CreatePartForInstance(const TNimboObject* netlist,
                                                    std::string_view refDes);
    // Puts `text` into the part's first parameter field that holds "*", or warns.
    void AddPartField(const TNimboObject* netlist, const std::string& text, TSchPart& part);
    // Host point of a part text placed at a symbol definition's attribute (host units).
    TPoint PlaceField(const TNimboAttr& attr) const;
    // A 10 by 10 box with both diagonals centred on (x, y), in the given colour.
    void DrawMarker(int32_t x, int32_t y, uint32_t colour);
    void TranslatePins(const TNimboCompDef& def);
    void PlacePowerObject(const std::string& name, const TNimboPin& pin);
    void PlaceLinkPort(const std::string& name, const TNimboPin& pin);
    // The net that the sheet's wires or ports give to (x, y), or the empty string; always empty
    // outside a sheet.
    static std::string NetNameAtPoint(const TNimboSheet* sheet, int32_t x, int32_t y);

    std::string FSymbolRef;  // read, not used
    std::string FRefDesRef;
    int32_t FPartNum = 0;
    TPoint FPt{0, 0};        // host units
    double FRotation = 0.0;  // degrees
    bool FIsFlipped = false;
    std::vector<std::unique_ptr<TNimboAttr>> FAttrs;

  private:
    TNimboSheet* OwningSheet() const;
    // Steps of a normal or module part: place it, then its sheet-file-name, designator and
    // comment texts. `corner` is the lower left corner of the part's extent [host units].
    void PlacePart(uint8_t compType);
    void PlaceSheetFileNameField(TSchPart& part);
    void PlaceDesignatorAndComment(TSchPart& part, TPoint corner);
};
