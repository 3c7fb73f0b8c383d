#include "model/wire.h"

#include <algorithm>
#include <optional>
#include <string>

#include "host/create_host_object.h"
#include "host/geometry.h"
#include "host/sch_net_objects.h"
#include "host/sch_vertex_objects.h"
#include "model/bus_entry.h"
#include "model/design_host.h"
#include "model/line.h"
#include "model/sheet.h"
#include "model/text.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"
#include "report/report_manager.h"

namespace {

// Set once the bus entry message was reported; never cleared while the module is loaded.
bool gBusEntryMessageReported = false;

// One step of 10 host units in direction code 0 +x, 1 +y, 2 -x, 3 -y.
TPoint Step(TPoint p, uint8_t direction, int32_t distance) {
    switch (direction & 3) {
        case 0:
            return {p.X + distance, p.Y};
        case 1:
            return {p.X, p.Y + distance};
        case 2:
            return {p.X - distance, p.Y};
        default:
            return {p.X, p.Y - distance};
    }
}

// The first bus entry at p whose position in file order is `from` or later.
std::optional<size_t> NextEntryAt(const TNimboSheet& sheet, TPoint p, size_t from) {
    const std::vector<size_t>* positions = sheet.BusEntriesAt(p);
    if (positions == nullptr) return std::nullopt;
    const auto it = std::lower_bound(positions->begin(), positions->end(), from);
    if (it == positions->end()) return std::nullopt;
    return *it;
}

std::optional<size_t> Earlier(std::optional<size_t> a, std::optional<size_t> b) {
    if (!a) return b;
    if (!b) return a;
    return std::min(*a, *b);
}

}  // namespace

bool BusEntryMessageReported() {
    return gBusEntryMessageReported;
}

TNimboWire::TNimboWire(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Wire";
}
TNimboWire::~TNimboWire() = default;

// ---- Reading ----

void TNimboWire::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::line:
                FLine = ParseChild<TNimboLine>(*this);
                return true;
            case kw::dispName:
                FDispName = ReadBoolean();
                return true;
            case kw::text:
                FNameText = ParseChild<TNimboText>(*this);
                return true;
            default:
                return false;
        }
    });
}

// ---- Translation ----

TNimboSheet* TNimboWire::OwningSheet() const {
    return dynamic_cast<TNimboSheet*>(FOwner);
}

void TNimboWire::Translate() {
    if (!FLine) return;
    ShortenAtBusEntries();

    auto wire = NewHostObject<TWire>();
    wire.FVertices = {FLine->FPoint1, FLine->FPoint2};
    wire.FLineWidth = 1;
    AddToDocument(wire, *this);

    if (FDispName && FNameText) AddNetLabel();
}

// The bus entries are visited in file order; only those standing where an end is now can
// change anything, so the sheet's index of entries by point leads from one to the next.
void TNimboWire::ShortenAtBusEntries() {
    TNimboSheet* sheet = OwningSheet();
    if (sheet == nullptr || !FLine) return;
    TPoint& end1 = FLine->FPoint1;
    TPoint& end2 = FLine->FPoint2;
    const TPoint oldEnd1 = end1;
    const TPoint oldEnd2 = end2;

    size_t from = 0;
    // Ends that coincide never move again, and a bus entry at such a point has no direction
    // to be drawn in: nothing more is drawn for this wire.
    while (!(end1 == end2)) {
        const std::optional<size_t> next =
            Earlier(NextEntryAt(*sheet, end1, from), NextEntryAt(*sheet, end2, from));
        if (!next) break;
        const TPoint busPoint = sheet->FBusEntries[*next]->FPt;
        if (end1 == busPoint) {
            uint8_t direction = 0;
            if (end1.X < end2.X) {
                end1.X += 10;
                direction = 3;
            } else if (end1.X > end2.X) {
                end1.X -= 10;
                direction = 1;
            } else if (end1.Y < end2.Y) {
                end1.Y += 10;
                direction = 0;
            } else {
                end1.Y -= 10;
                direction = 2;
            }
            AddBusEntry(busPoint, FLine->FEndStyle1, direction, end1);
        }
        if (end2 == busPoint) {
            uint8_t direction = 0;
            if (end1.X < end2.X) {
                end2.X -= 10;
                direction = 1;
            } else if (end1.X > end2.X) {
                end2.X += 10;
                direction = 3;
            } else if (end1.Y < end2.Y) {
                end2.Y -= 10;
                direction = 2;
            } else {
                end2.Y += 10;
                direction = 0;
            }
            AddBusEntry(busPoint, FLine->FEndStyle2, direction, end2);
        }
        from = *next + 1;
    }
    if (!(end1 == oldEnd1) || !(end2 == oldEnd2)) sheet->WireEndsMoved(*this, oldEnd1, oldEnd2);
}

void TNimboWire::AddBusEntry(TPoint busPoint, uint8_t endStyle, uint8_t direction, TPoint corner) {
    auto entry = NewHostObject<TSchBusEntry>();
    const bool rightLead = endStyle == kEndStyleRightLead;
    entry.FLocation = Step(busPoint, direction, rightLead ? -10 : 10);
    entry.FCorner = corner;
    AddToDocument(entry, *this);

    if (!gBusEntryMessageReported && FReport != nullptr) {
        gBusEntryMessageReported = true;
        FReport->AddLoadWarning("Bus Entries will be converted to Helmar style (45 degrees).", 0);
    }
}

void TNimboWire::AddNetLabel() {
    const TPoint anchor = FNameText->FPt;
    auto label = NewHostObject<TSchNetLabel>();
    label.FLocation = SnapToWire(FLine->FPoint1, FLine->FPoint2, anchor);
    label.FOrientation = QuarterTurns(FNameText->FRotation) & 3;
    label.FText.Set(FLine->FNetNameRef);
    label.Query(qmWrite);
    if (FReport != nullptr && !(label.FLocation == anchor)) {
        FReport->AddImportWarning("Wire name at (" + std::to_string(anchor.X) + "," +
                                      std::to_string(anchor.Y) + ") moved to",
                                  label.FHandle);
    }
    schapi::AddObjectToContainer(DocumentHandleOf(*this), label.FHandle);
}
