#include "model/pcb_poly.h"

#include <optional>

#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboFillets::TNimboFillets(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Fillets";
}

void TNimboFillets::Parse() {
    FRadius = ReadLength();
    std::optional<TFillet> entry;  // the entry the last "filletDesc" started, until kept
    RunParseLoop(*this, [&](int32_t token) {
        switch (token) {
            case kw::filletDesc:
                entry.emplace();
                return true;
            case kw::pt: {
                const TPoint point = ReadPoint();
                if (entry) entry->FPt = point;
                return true;
            }
            case kw::radius: {
                const int32_t radius = ReadLength();
                if (entry) {
                    entry->FRadius = radius;
                    FFillets.push_back(*entry);
                    entry.reset();
                }
                return true;
            }
            default:
                return false;
        }
    });
}

TNimboPcbPoly::TNimboPcbPoly(TNimboObject* owner) : TNimboPolyOutline(owner) {
    FKindName = "PcbPoly";
}

TNimboPcbPoly::~TNimboPcbPoly() = default;

void TNimboPcbPoly::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        if (ReadOutline(token)) return true;
        switch (token) {
            case kw::fillets:
                FFillets = ParseChild<TNimboFillets>(*this);
                return true;
            // A nested polygon's group stays open, so its points join this polygon's.
            case kw::pcbPoly:
                return true;
            default:
                return false;
        }
    });
}

TNimboPolyCutOut::TNimboPolyCutOut(TNimboObject* owner) : TNimboPcbPoly(owner) {
    FKindName = "PolyCutOut";
}

TNimboPolyKeepOut::TNimboPolyKeepOut(TNimboObject* owner) : TNimboPcbPoly(owner) {
    FKindName = "PolyKeepout";
}
