#include "model/port.h"

#include <cstdlib>

#include "host/create_host_object.h"
#include "host/geometry.h"
#include "host/sch_net_objects.h"
#include "host/sch_vertex_objects.h"
#include "model/design_host.h"
#include "model/line.h"
#include "model/sheet.h"
#include "model/wire.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"
#include "report/report_manager.h"

namespace {

// The host port's length when the file's port gives none [host units].
constexpr int32_t kDefaultPortWidth = 30;
// Two-pin ports reach for wire ends nearer than this [host units].
constexpr int32_t kPortReach = 100;

// The distance from p to e when e lies on p's axis beyond p in `direction`; none otherwise.
std::optional<int32_t> DistanceAlong(TPoint p, TPoint e, uint8_t direction) {
    switch (direction) {
        case 0:
            return e.Y == p.Y && e.X > p.X ? std::optional(e.X - p.X) : std::nullopt;
        case 1:
            return e.X == p.X && e.Y > p.Y ? std::optional(e.Y - p.Y) : std::nullopt;
        case 2:
            return e.Y == p.Y && e.X < p.X ? std::optional(p.X - e.X) : std::nullopt;
        case 3:
            return e.X == p.X && e.Y < p.Y ? std::optional(p.Y - e.Y) : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace

TNimboPort::TNimboPort(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Port";
}

// ---- Reading ----

void TNimboPort::Parse() {
    static constexpr wordtab::TWordCode kPinLengths[] = {{"PortPinLong", 0}, {"PortPinShort", 1}};
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::netNameRef:
                FNetNameRef = ReadString();
                return true;
            case kw::rotation:
                FRotation = ReadFloat();
                return true;
            case kw::isFlipped:
                FIsFlipped = ReadBoolean();
                return true;
            case kw::portPinLength:
                if (auto code = wordtab::LookupWord(ReadString(), kPinLengths)) {
                    FPinLengthCode = *code;
                }
                return true;
            case kw::portType:
                ReadPortType();
                return true;
            default:
                return false;
        }
    });
}

// The type word says, in any letter case, whether the port has one pin or two, whether it is
// horizontal, and which ends are pointed.
void TNimboPort::ReadPortType() {
    const std::string type = wordtab::FoldCase(ReadString());
    FTwoPins = type.find("_SGL") == std::string::npos;
    FVertical = type.find("_HORZ") == std::string::npos;
    if (type.find("LEFTANGLE") != std::string::npos) {
        FAngle = 1;
    } else if (type.find("RIGHTANGLE") != std::string::npos) {
        FAngle = 2;
    } else if (type.find("BOTHANGLE") != std::string::npos) {
        FAngle = 3;
    }
}

// ---- Translation ----

TNimboSheet* TNimboPort::OwningSheet() const {
    return dynamic_cast<TNimboSheet*>(FOwner);
}

uint8_t TNimboPort::PortDirection() const {
    // Taken modulo 4 like every orientation: a port turned by 360 degrees points along +x.
    uint8_t o = QuarterTurns(FRotation) & 3;
    if (FVertical) o = AddOrientation(o, 1);
    if (FIsFlipped) o = MirrorOrientation(o);
    return o;
}

int32_t TNimboPort::PortWidth() const {
    if (!FTwoPins) return FVertical ? 0 : kDefaultPortWidth;
    // Outside a sheet (title sheet, symbol definition) there are no wires to reach.
    const TNimboSheet* sheet = OwningSheet();
    if (sheet == nullptr) return kDefaultPortWidth;
    const std::optional<size_t> first = sheet->FindFirstWireOfNet(FNetNameRef);
    if (!first) return kDefaultPortWidth;

    const uint8_t o = PortDirection();
    std::optional<int32_t> best;
    // The run of wires of this net, as long as the name matches letter for letter.
    for (size_t i = *first; i < sheet->FWiresByNet.size(); ++i) {
        const TNimboLine& line = *sheet->FWiresByNet[i]->FLine;
        if (line.FNetNameRef != FNetNameRef) break;
        for (const TPoint end : {line.FPoint1, line.FPoint2}) {
            const std::optional<int32_t> d = DistanceAlong(FPt, end, o);
            if (d && (!best || *d < *best)) best = d;
        }
    }
    if (best && *best > 0 && *best < kPortReach) return *best;
    return kDefaultPortWidth;
}

void TNimboPort::AddPortWire(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto wire = NewHostObject<TSchWire>();
    wire.FVertices = {{x1, y1}, {x2, y2}};
    wire.FLineWidth = 1;
    AddToDocument(wire, *this);
}

void TNimboPort::Translate() {
    auto port = NewHostObject<TSchPort>();
    port.FName.Set(FNetNameRef);
    port.FWidth = PortWidth();
    port.FStyleByte3 = 0;
    port.FLocation = FPt;
    port.FStyle = FAngle;

    const uint8_t o = PortDirection();
    static constexpr uint8_t kUpStyles[] = {4, 6, 5, 7};    // extending along +y
    static constexpr uint8_t kDownStyles[] = {4, 5, 6, 7};  // extending along -y
    switch (o) {
        case 1:
            port.FStyle = kUpStyles[FAngle & 3];
            break;
        case 2:
            // Extending to the left: the pointed end changes sides, the box starts at its far end.
            if (port.FStyle == 1) {
                port.FStyle = 2;
            } else if (port.FStyle == 2) {
                port.FStyle = 1;
            }
            port.FLocation.X -= port.FWidth;
            break;
        case 3:
            port.FStyle = kDownStyles[FAngle & 3];
            port.FLocation.Y -= port.FWidth;
            break;
        default:
            break;
    }
    port.Query(qmWrite);

    if (port.FWidth == 0) ApproximateOnePinVertical(port, o);

    port.Query(qmWrite);
    if (FReport != nullptr && !FTwoPins) {
        FReport->AddImportWarning(FVertical ? "ZORVAN Port will be approximated with a port and "
                                              "additional wires."
                                            : "Default port width of 30 used.",
                                  port.FHandle);
    }
    schapi::AddObjectToContainer(DocumentHandleOf(*this), port.FHandle);
}

// The host has no one-pin vertical port: a port of length 20 stands 5 units off the connection
// point, across the port's direction and centred on its line, joined to the connection point by
// three wire segments.
void TNimboPort::ApproximateOnePinVertical(TSchPort& port, uint8_t o) {
    const int32_t x0 = FPt.X;
    const int32_t y0 = FPt.Y;
    port.FStyle = 0;
    port.FWidth = 20;
    switch (o) {
        case 0:
            port.FLocation = {x0 + 5, y0 - 10};
            AddPortWire(x0, y0, x0 + 2, y0);
            AddPortWire(x0 + 5, y0 - 10, x0 + 2, y0 - 10);
            AddPortWire(x0 + 2, y0 - 10, x0 + 2, y0);
            port.FStyle = 4;
            break;
        case 1:
            port.FLocation = {x0 - 10, y0 + 5};
            AddPortWire(x0, y0, x0, y0 + 2);
            AddPortWire(x0 - 10, y0 + 2, x0, y0 + 2);
            AddPortWire(x0 - 10, y0 + 5, x0 - 10, y0 + 2);
            break;
        case 2:
            port.FLocation = {x0 - 5, y0 - 10};
            AddPortWire(x0, y0, x0 - 2, y0);
            AddPortWire(x0 - 5, y0 - 10, x0 - 2, y0 - 10);
            AddPortWire(x0 - 2, y0 - 10, x0 - 2, y0);
            port.FStyle = 4;
            break;
        case 3:
            port.FLocation = {x0 - 10, y0 - 5};
            AddPortWire(x0, y0, x0, y0 - 2);
            AddPortWire(x0 - 10, y0 - 2, x0, y0 - 2);
            AddPortWire(x0 - 10, y0 - 5, x0 - 10, y0 - 2);
            break;
        default:
            break;
    }
}
