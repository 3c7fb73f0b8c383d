#include "model/assembly_points.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

// Glue and pick points read the same three keywords.
template <class TPointKind>
void ParseAssemblyPoint(TPointKind& self) {
    RunParseLoop(self, [&](int32_t token) {
        switch (token) {
            case kw::pt:
                self.FPt = self.ReadPoint();
                return true;
            case kw::isFlipped:
                self.FIsFlipped = self.ReadBoolean();
                return true;
            case kw::isVisible:
                self.FIsVisible = self.ReadBoolean();
                return true;
            default:
                return false;
        }
    });
}

}  // namespace

TNimboGluePoint::TNimboGluePoint(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "GluePoint";
}

void TNimboGluePoint::Parse() {
    ParseAssemblyPoint(*this);
}

TNimboPickPoint::TNimboPickPoint(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "PickPoint";
}

void TNimboPickPoint::Parse() {
    ParseAssemblyPoint(*this);
}
