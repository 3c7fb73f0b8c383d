#include "model/hole_style.h"

#include <array>

#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 13> kShapeTypes{{
    {"Ellipse", psEllipse},
    {"Oval", psOval},
    {"Rect", psRect},
    {"RndRect", psRndRect},
    {"Thrm2", psThrm2},
    {"Thrm2_90", psThrm2_90},
    {"Thrm4", psThrm4},
    {"Thrm4_45", psThrm4_45},
    {"Direct", psDirect},
    {"NoConnect", psNoConnect},
    {"Polygon", psPolygon},
    {"Target", psTarget},
    {"MtHole", psMtHole},
}};

}  // namespace

TNimboShapeByLayer::TNimboShapeByLayer(TNimboObject* owner, int32_t shapeTypeKeyword,
                                       int32_t shapeDfnKeyword, uint8_t highestCode)
    : TNimboObject(owner),
      FShapeTypeKeyword(shapeTypeKeyword),
      FShapeDfnKeyword(shapeDfnKeyword),
      FHighestCode(highestCode) {}

void TNimboShapeByLayer::ReadSection() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::layerNumRef:
                FLayerNumRef = ReadInteger();
                return true;
            case kw::layerType:
                FLayerType = ReadLayerType(*this, FLayerType);
                return true;
            case kw::noCopperPourConnect:
                FNoCopperPourConnect = ReadBoolean();
                return true;
            case kw::spokeWidth:
                FSpokeWidth = ReadLength();
                return true;
            case kw::shapeWidth:
                ReadSizeOrGroup(FShapeWidth);
                return true;
            case kw::shapeHeight:
                ReadSizeOrGroup(FShapeHeight);
                return true;
            case kw::outsideDiam:
                FOutsideDiam = ReadLength();
                return true;
            case kw::insideDiam:
                FInsideDiam = ReadLength();
                return true;
            case kw::rotation:
                FRotation = ReadFloat();
                return true;
            case kw::sides:
                FSides = ReadInteger();
                return true;
            default:
                break;
        }
        if (token == FShapeTypeKeyword) {
            ReadShapeType();
            return true;
        }
        // The shape type may stand inside a definition group; its keywords are handled where
        // they stand while the loop counts the group's parentheses.
        return token == FShapeDfnKeyword;
    });
}

void TNimboShapeByLayer::ReadSizeOrGroup(int32_t& size) {
    // "(shapeWidth (outsideDiam 60) (insideDiam 40))" holds diameters rather than a size:
    // reading a length there would take the "(" as the value and lose count of the nesting.
    if (FParser->PeekChar() == '(') return;
    size = ReadLength();
}

void TNimboShapeByLayer::ReadShapeType() {
    const auto code = wordtab::LookupWord(ReadString(), kShapeTypes);
    if (code && *code <= FHighestCode) FShapeType = *code;
}

TNimboHoleStyleDef::TNimboHoleStyleDef(TNimboObject* owner, int32_t shapeKeyword)
    : TNimboObject(owner), FShapeKeyword(shapeKeyword) {}

TNimboHoleStyleDef::~TNimboHoleStyleDef() = default;

void TNimboHoleStyleDef::ReadSection() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::holeDiam:
                FHoleDiam = ReadLength();
                return true;
            case kw::isHolePlated:
                FIsHolePlated = ReadBoolean();
                return true;
            case kw::holeOffset:
                FHoleOffset = ReadPoint();
                return true;
            case kw::useGlobalSwell:
                FUseGlobalSwell = ReadBoolean();
                return true;
            case kw::localSwell:
                FLocalSwell = ReadLength();
                return true;
            case kw::startRange:
                FStartRange = ReadInteger();
                return true;
            case kw::endRange:
                FEndRange = ReadInteger();
                return true;
            default:
                break;
        }
        if (token != FShapeKeyword) return false;
        std::unique_ptr<TNimboShapeByLayer> shape = NewShape();
        shape->ReadSection();
        FShapes.push_back(std::move(shape));
        --FDepth;
        return true;
    });
}
