#pragma once
// One sheet of a schematic design: its drawing objects in file order and the sorted lookups
// that symbols, wires and ports make on it while the sheet is translated.

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboTitleSheet;
class TNimboWire;
class TNimboPort;
class TNimboBusEntry;

class TNimboSheet : public TNimboDesignObject {
  public:
    explicit TNimboSheet(TNimboObject* owner);
    ~TNimboSheet() override;

    void Parse() override;
    // Translates every drawing object in file order into FDocument; a failing object is dropped.
    void Translate() override;

    // The first wire in FWiresByNet whose net name equals `net` without regard to letter case.
    std::optional<size_t> FindFirstWireOfNet(std::string_view net) const;
    // True when FPortsByName holds a port of that name (no regard to letter case).
    bool HasPortNamed(std::string_view name) const;
    // The first wire in FWiresByNet order with an end at p, as the ends stand now.
    TNimboWire* FindFirstWireEndingAt(TPoint p) const;
    // The first port in FPortsByName order whose connection point is p.
    TNimboPort* FindFirstPortAt(TPoint p) const;
    // Positions in FBusEntries (file order) of the bus entries standing at p.
    const std::vector<size_t>* BusEntriesAt(TPoint p) const;
    // Called by a wire after it moved its ends, so that FindFirstWireEndingAt stays right.
    void WireEndsMoved(const TNimboWire& wire, TPoint oldEnd1, TPoint oldEnd2);

    std::string FName;
    int32_t FSheetNum = 0;
    std::string FFieldSetRef;
    std::unique_ptr<TNimboTitleSheet> FTitleSheet;  // read, never translated
    std::vector<std::unique_ptr<TNimboObject>> FDrawObjects;
    bool FDrawBorder = true;
    bool FEntireDesign = false;
    bool FIsRotated = false;
    uint8_t FPageSize = 0;  // page size code, 0 "Size_A" .. 11 "ScaleToFitPage"
    double FScaleFactor = 1.0;
    TPoint FOffset{0, 0};

    // Sorted by net name / port name without regard to letter case; equal names keep file order.
    std::vector<TNimboWire*> FWiresByNet;
    std::vector<TNimboPort*> FPortsByName;
    std::vector<TNimboBusEntry*> FBusEntries;  // file order

  private:
    void AddDrawObject(std::unique_ptr<TNimboObject> object);
    void BuildIndexes();
    void IndexWireEnd(TPoint p, size_t position);
    void UnindexWireEnd(TPoint p, size_t position);

    // Folded (upper-case) keys of FWiresByNet and FPortsByName, for binary search.
    std::vector<std::string> FWireNetKeys;
    std::vector<std::string> FPortNameKeys;
    // Packed point -> positions in FWiresByNet of the wires ending there, ascending, no
    // repeats. Hashed: a sheet holds a point per wire end, and the lookups only ask for one.
    std::unordered_map<uint64_t, std::vector<size_t>> FWireEndIndex;
    std::map<std::pair<int32_t, int32_t>, size_t> FPortAtIndex;  // point -> first position
    std::map<std::pair<int32_t, int32_t>, std::vector<size_t>> FBusEntryIndex;
};

// Host sheet size code for a page size code, or none for "User" and "ScaleToFitPage".
std::optional<uint8_t> HostSheetStyle(uint8_t pageSizeCode);
// Page size code of a "pageSize" word (no regard to letter case), or none for an unknown word.
std::optional<uint8_t> PageSizeCode(std::string_view word);
