#include "model/pcb_design.h"

#include "model/attribute.h"
#include "model/board_draw_objects.h"
#include "model/board_reading.h"
#include "model/design_info.h"
#include "model/layer_contents.h"
#include "model/layer_def.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboPcbDesignHeader::TNimboPcbDesignHeader(TNimboObject* owner) : TNimboDesignObject(owner) {
    FKindName = "DesignHeader";
}

TNimboPcbDesignHeader::~TNimboPcbDesignHeader() = default;

void TNimboPcbDesignHeader::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::workspaceSize:
                FWorkspaceSize = ReadPoint();
                return true;
            case kw::gridDfns:
                FGridDfns = ParseChild<TNimboGridDfns>(*this);
                return true;
            case kw::designInfo:
                FDesignInfo = ParseChild<TNimboDesignInfo>(*this);
                return true;
            case kw::solderSwell:
                FSolderSwell = ReadLength();
                return true;
            case kw::pasteSwell:
                FPasteSwell = ReadLength();
                return true;
            case kw::planeSwell:
                FPlaneSwell = ReadLength();
                return true;
            default:
                return false;
        }
    });
}

TNimboPCBDesign::TNimboPCBDesign(TNimboObject* owner) : TNimboDesignObject(owner) {
    FKindName = "PCB Design";
}

TNimboPCBDesign::~TNimboPCBDesign() = default;

void TNimboPCBDesign::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pcbDesignHeader:
                FHeader = ParseChild<TNimboPcbDesignHeader>(*this);
                return true;
            case kw::globalAttrs:
                ReadGlobalAttrs();
                return true;
            case kw::layerDef:
                FLayerDefs.push_back(ParseChild<TNimboLayerDef>(*this));
                return true;
            case kw::multiLayer:
                ReadBoardDrawObjectsInPlace(*this, FMultiLayer);
                return true;
            case kw::layerContents:
                FLayerContents.push_back(ParseChild<TNimboLayerContents>(*this));
                return true;
            default:
                return false;
        }
    });
}

void TNimboPCBDesign::ReadGlobalAttrs() {
    ReadAttrsInPlace(*this, FGlobalAttrs);
}
