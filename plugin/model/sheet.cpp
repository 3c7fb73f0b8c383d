#include "model/sheet.h"

#include <algorithm>
#include <array>

#include "model/bus_entry.h"
#include "model/line.h"
#include "model/port.h"
#include "model/sheet_draw_objects.h"
#include "model/title_sheet.h"
#include "model/wire.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

using TPointKey = std::pair<int32_t, int32_t>;
TPointKey KeyOf(TPoint p) {
    return {p.X, p.Y};
}

uint64_t PackedKey(TPoint p) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(p.X)) << 32) | static_cast<uint32_t>(p.Y);
}

struct TPageSize {
    std::string_view Word;
    uint8_t Code;
    std::optional<uint8_t> HostStyle;
};

constexpr std::array<TPageSize, 12> kPageSizes{{
    {"Size_A", 0, 5},
    {"Size_B", 1, 6},
    {"Size_C", 2, 7},
    {"Size_D", 3, 8},
    {"Size_E", 4, 9},
    {"Size_A0", 5, 4},
    {"Size_A1", 6, 3},
    {"Size_A2", 7, 2},
    {"Size_A3", 8, 1},
    {"Size_A4", 9, 0},
    {"User", 10, std::nullopt},
    {"ScaleToFitPage", 11, std::nullopt},
}};

// Stable sort of `items` by their folded key; fills `keys` in the sorted order.
template <class T, class TKeyOf>
void SortByFoldedKey(std::vector<T*>& items, std::vector<std::string>& keys, TKeyOf keyOf) {
    std::vector<std::pair<std::string, T*>> keyed;
    keyed.reserve(items.size());
    for (T* item : items) keyed.emplace_back(wordtab::FoldCase(keyOf(*item)), item);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    keys.clear();
    for (size_t i = 0; i < keyed.size(); ++i) {
        items[i] = keyed[i].second;
        keys.push_back(std::move(keyed[i].first));
    }
}

std::optional<size_t> FindFirstKey(const std::vector<std::string>& keys, std::string_view name) {
    const std::string key = wordtab::FoldCase(name);
    const auto it = std::lower_bound(keys.begin(), keys.end(), key);
    if (it == keys.end() || *it != key) return std::nullopt;
    return static_cast<size_t>(it - keys.begin());
}

}  // namespace

std::optional<uint8_t> HostSheetStyle(uint8_t pageSizeCode) {
    for (const TPageSize& size : kPageSizes) {
        if (size.Code == pageSizeCode) return size.HostStyle;
    }
    return std::nullopt;
}

std::optional<uint8_t> PageSizeCode(std::string_view word) {
    for (const TPageSize& size : kPageSizes) {
        if (wordtab::SameText(word, size.Word)) return size.Code;
    }
    return std::nullopt;
}

TNimboSheet::TNimboSheet(TNimboObject* owner) : TNimboDesignObject(owner) {}
TNimboSheet::~TNimboSheet() = default;

// ---- Reading ----

void TNimboSheet::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        if (auto object = CreateSheetDrawObject(token, this)) {
            AddDrawObject(ParseChild(*this, std::move(object)));
            return true;
        }
        switch (token) {
            case kw::drawBorder:
                FDrawBorder = ReadBoolean();
                return true;
            case kw::entireDesign:
                FEntireDesign = ReadBoolean();
                return true;
            case kw::isRotated:
                FIsRotated = ReadBoolean();
                return true;
            case kw::fieldSetRef:
                FFieldSetRef = ReadString();
                return true;
            case kw::offset:
                FOffset = ReadPoint();
                return true;
            case kw::pageSize:
                if (auto code = PageSizeCode(ReadString())) FPageSize = *code;
                return true;
            case kw::scaleFactor:
                FScaleFactor = ReadFloat();
                return true;
            case kw::sheetNum:
                FSheetNum = ReadInteger();
                return true;
            case kw::titleSheet:
                FTitleSheet = ParseChild<TNimboTitleSheet>(*this);
                return true;
            default:
                return false;
        }
    });
    BuildIndexes();
}

void TNimboSheet::AddDrawObject(std::unique_ptr<TNimboObject> object) {
    if (auto* wire = dynamic_cast<TNimboWire*>(object.get())) {
        // A wire without a line has no net and no ends: nothing can find it.
        if (wire->FLine) FWiresByNet.push_back(wire);
    } else if (auto* port = dynamic_cast<TNimboPort*>(object.get())) {
        FPortsByName.push_back(port);
    } else if (auto* entry = dynamic_cast<TNimboBusEntry*>(object.get())) {
        FBusEntries.push_back(entry);
    }
    FDrawObjects.push_back(std::move(object));
}

// The sorted lists are built once the whole sheet is read: sorting once keeps reading linear
// where inserting each wire into a sorted list would not be.
void TNimboSheet::BuildIndexes() {
    SortByFoldedKey(FWiresByNet, FWireNetKeys, [](const TNimboWire& wire) -> const std::string& {
        return wire.FLine->FNetNameRef;
    });
    SortByFoldedKey(FPortsByName, FPortNameKeys,
                    [](const TNimboPort& port) -> const std::string& { return port.FNetNameRef; });
    FWireEndIndex.clear();
    FWireEndIndex.reserve(FWiresByNet.size() * 2);
    for (size_t i = 0; i < FWiresByNet.size(); ++i) {
        TNimboWire& wire = *FWiresByNet[i];
        wire.FNetPosition = i;
        IndexWireEnd(wire.FLine->FPoint1, i);
        IndexWireEnd(wire.FLine->FPoint2, i);
    }
    FPortAtIndex.clear();
    for (size_t i = 0; i < FPortsByName.size(); ++i) {
        FPortAtIndex.try_emplace(KeyOf(FPortsByName[i]->FPt), i);
    }
    FBusEntryIndex.clear();
    for (size_t i = 0; i < FBusEntries.size(); ++i) {
        FBusEntryIndex[KeyOf(FBusEntries[i]->FPt)].push_back(i);
    }
}

// ---- Lookups ----

std::optional<size_t> TNimboSheet::FindFirstWireOfNet(std::string_view net) const {
    return FindFirstKey(FWireNetKeys, net);
}

bool TNimboSheet::HasPortNamed(std::string_view name) const {
    return FindFirstKey(FPortNameKeys, name).has_value();
}

TNimboWire* TNimboSheet::FindFirstWireEndingAt(TPoint p) const {
    const auto found = FWireEndIndex.find(PackedKey(p));
    if (found == FWireEndIndex.end() || found->second.empty()) return nullptr;
    return FWiresByNet[found->second.front()];
}

TNimboPort* TNimboSheet::FindFirstPortAt(TPoint p) const {
    const auto found = FPortAtIndex.find(KeyOf(p));
    return found == FPortAtIndex.end() ? nullptr : FPortsByName[found->second];
}

const std::vector<size_t>* TNimboSheet::BusEntriesAt(TPoint p) const {
    const auto found = FBusEntryIndex.find(KeyOf(p));
    return found == FBusEntryIndex.end() ? nullptr : &found->second;
}

void TNimboSheet::WireEndsMoved(const TNimboWire& wire, TPoint oldEnd1, TPoint oldEnd2) {
    if (!wire.FLine || wire.FNetPosition >= FWiresByNet.size() ||
        FWiresByNet[wire.FNetPosition] != &wire) {
        return;
    }
    UnindexWireEnd(oldEnd1, wire.FNetPosition);
    UnindexWireEnd(oldEnd2, wire.FNetPosition);
    IndexWireEnd(wire.FLine->FPoint1, wire.FNetPosition);
    IndexWireEnd(wire.FLine->FPoint2, wire.FNetPosition);
}

void TNimboSheet::IndexWireEnd(TPoint p, size_t position) {
    std::vector<size_t>& positions = FWireEndIndex[PackedKey(p)];
    // Positions mostly arrive in ascending order, so the search ends at the back.
    const auto at = std::lower_bound(positions.begin(), positions.end(), position);
    if (at == positions.end() || *at != position) positions.insert(at, position);
}

void TNimboSheet::UnindexWireEnd(TPoint p, size_t position) {
    const auto found = FWireEndIndex.find(PackedKey(p));
    if (found == FWireEndIndex.end()) return;
    std::vector<size_t>& positions = found->second;
    const auto at = std::lower_bound(positions.begin(), positions.end(), position);
    if (at != positions.end() && *at == position) positions.erase(at);
    if (positions.empty()) FWireEndIndex.erase(found);
}

// ---- Translation ----

void TNimboSheet::Translate() {
    TranslateDrawObjects(FDrawObjects, FDocument);
}
