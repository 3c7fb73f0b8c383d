#include "model/board_draw_objects.h"

#include "model/arc.h"
#include "model/assembly_points.h"
#include "model/attribute.h"
#include "model/board_placements.h"
#include "model/copper_pour.h"
#include "model/design_view.h"
#include "model/detail.h"
#include "model/dimension.h"
#include "model/field.h"
#include "model/from_to.h"
#include "model/info_point.h"
#include "model/line.h"
#include "model/line_keep_out.h"
#include "model/pcb_poly.h"
#include "model/plane.h"
#include "model/ref_point.h"
#include "model/room.h"
#include "model/table.h"
#include "model/text.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

std::unique_ptr<TNimboObject> CreateBoardDrawObject(int32_t keyword, TNimboObject* owner,
                                                    bool planeObjIsPlane) {
    switch (keyword) {
        case kw::arc:
            return std::make_unique<TNimboArc>(owner);
        case kw::attr:
            return std::make_unique<TNimboAttr>(owner);
        case kw::copperPour:
        case kw::copperPour95:
            return std::make_unique<TNimboCopperPour>(owner);
        case kw::designView:
            return std::make_unique<TNimboDesignView>(owner);
        case kw::detail:
            return std::make_unique<TNimboDetail>(owner);
        case kw::dimension:
            return std::make_unique<TNimboDimension>(owner);
        case kw::field:
            return std::make_unique<TNimboField>(owner);
        case kw::fromTo:
            return std::make_unique<TNimboFromTo>(owner);
        case kw::gluePoint:
            return std::make_unique<TNimboGluePoint>(owner);
        case kw::infoPoint:
            return std::make_unique<TNimboInfoPoint>(owner);
        case kw::line:
            return std::make_unique<TNimboLine>(owner);
        case kw::lineKeepOut:
            return std::make_unique<TNimboLineKeepOut>(owner);
        case kw::pad:
            return std::make_unique<TNimboPad>(owner);
        case kw::pattern:
            return std::make_unique<TNimboPattern>(owner);
        case kw::pcbPoly:
            return std::make_unique<TNimboPcbPoly>(owner);
        case kw::pickPoint:
            return std::make_unique<TNimboPickPoint>(owner);
        case kw::plane:
            return std::make_unique<TNimboPlane>(owner);
        case kw::polyCutOut:
            return std::make_unique<TNimboPolyCutOut>(owner);
        case kw::polyKeepOut:
            return std::make_unique<TNimboPolyKeepOut>(owner);
        case kw::refPoint:
            return std::make_unique<TNimboRefPoint>(owner);
        case kw::room:
            return std::make_unique<TNimboRoom>(owner);
        case kw::table:
            return std::make_unique<TNimboTable>(owner);
        case kw::text:
            return std::make_unique<TNimboText>(owner);
        case kw::via:
            return std::make_unique<TNimboVia>(owner);
        case kw::planeObj:
            if (planeObjIsPlane) return std::make_unique<TNimboPlane>(owner);
            return nullptr;
        default:
            return nullptr;
    }
}

void ReadBoardDrawObjectsInPlace(TNimboObject& owner,
                                 std::vector<std::unique_ptr<TNimboObject>>& objects) {
    ReadGroupInPlace(owner, [&](int32_t token) {
        std::unique_ptr<TNimboObject> object = CreateBoardDrawObject(token, &owner, false);
        if (!object) return false;
        objects.push_back(ParseChild(owner, std::move(object)));
        return true;
    });
}
