#include "model/detail.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboDetail::TNimboDetail(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Detail";
}

void TNimboDetail::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::extent:
                FExtent = ReadPoint();
                return true;
            case kw::filename:
                FFileName = ReadString();
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
            default:
                return false;
        }
    });
}
