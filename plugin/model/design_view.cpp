#include "model/design_view.h"

#include "model/board_reading.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboDesignViewRegion::TNimboDesignViewRegion(TNimboObject* owner) : TNimboDrawObject(owner) {}

void TNimboDesignViewRegion::Parse() {
    FCorner1 = ReadPoint();
    FCorner2 = ReadPoint();
    RunParseLoop(*this, [](int32_t) { return false; });
}

TNimboDesignView::TNimboDesignView(TNimboObject* owner) : TNimboDrawObject(owner) {}

TNimboDesignView::~TNimboDesignView() = default;

void TNimboDesignView::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::scaleFactor:
                FScaleFactor = ReadFloat();
                return true;
            case kw::isMirrored:
                FIsMirrored = ReadBoolean();
                return true;
            case kw::title:
                FTitle = ReadString();
                return true;
            case kw::subtitle:
                FSubtitle = ReadString();
                return true;
            case kw::textStyleRef:
                FTextStyleRef = ReadString();
                return true;
            case kw::layerList:
                ReadLayerList();
                return true;
            case kw::designViewRegion:
                FRegion = ParseChild<TNimboDesignViewRegion>(*this);
                return true;
            default:
                return false;
        }
    });
}

void TNimboDesignView::ReadLayerList() {
    ReadGroupInPlace(*this, [this](int32_t token) {
        if (token != kw::layerNumRef) return false;
        FLayers.push_back(ReadInteger());
        return true;
    });
}
