#include "model/arc.h"

#include "host/create_host_object.h"
#include "host/sch_graphics.h"
#include "model/drawing_support.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboArc::TNimboArc(TNimboObject* owner) : TNimboDrawObject(owner) {}

// ---- reading -------------------------------------------------------------------------------

void TNimboArc::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::radius:
                FRadius = ReadLength();
                return true;
            case kw::startAngle:
                FStartAngle = ReadFloat();
                return true;
            case kw::sweepAngle:
                FSweepAngle = ReadFloat();
                return true;
            case kw::width:
                FWidth = ReadLength();
                return true;
            case kw::isFlipped:
                FIsFlipped = ReadBoolean();
                return true;
            case kw::netNameRef:
                FNetNameRef = ReadString();
                return true;
            default:
                return false;
        }
    });
}

// ---- translation ---------------------------------------------------------------------------

uint8_t ArcLineWidth(int32_t width) {
    if (width > 2) return 3;
    if (width == 2) return 2;
    if (width == 0) return 0;
    return 1;  // 1 and every negative width
}

void TNimboArc::Translate() {
    const TDocumentOptions& document = TargetDocument(*this);
    auto arc = NewHostObject<TArc>();
    arc.FLocation = FPt;
    arc.FRadius = FRadius;
    arc.SetStartAngleDegrees(FStartAngle);
    arc.SetEndAngleDegrees(FStartAngle + FSweepAngle);
    arc.FLineWidth = ArcLineWidth(FWidth);
    AddHostObject(arc, document);
}
