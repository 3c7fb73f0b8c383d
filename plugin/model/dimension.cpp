#include "model/dimension.h"

#include <array>

#include "model/arc.h"
#include "model/board_reading.h"
#include "model/line.h"
#include "model/pcb_poly.h"
#include "model/text.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

constexpr std::array<wordtab::TWordCode, 8> kStyles{{
    {"dim_angular", dsAngular},
    {"dim_baseline", dsBaseline},
    {"dim_center", dsCenter},
    {"dim_diameter", dsDiameter},
    {"dim_leader", dsLeader},
    {"dim_pointotpoint", dsPointToPoint},
    {"dim_radius", dsRadius},
    {"dim_datum", dsDatum},
}};

constexpr std::array<wordtab::TWordCode, 3> kOrients{{
    {"dim_horizontal", doHorizontal},
    {"dim_vertical", doVertical},
    {"dim_diagonal", doDiagonal},
}};

constexpr std::array<wordtab::TWordCode, 3> kLeaderStyles{{
    {"dim_leader_style_text", dlText},
    {"dim_leader_style_circle", dlCircle},
    {"dim_leader_style_square", dlSquare},
}};

constexpr std::array<wordtab::TWordCode, 11> kUnits{{
    {"Dim_Units_inch", duInch},
    {"Dim_Units_Mil", duMil},
    {"Dim_Units_mm", duMM},
    {"Dim_Units_cm", duCM},
    {"Dim_Units_cm_inch", duCMInch},
    {"Dim_Units_cm_mil", duCMMil},
    {"Dim_Units_inch_cm", duInchCM},
    {"Dim_Units_inch_mm", duInchMM},
    {"Dim_Units_mil_mm", duMilMM},
    {"Dim_Units_mm_inch", duMMInch},
    {"Dim_Units_mm_mil", duMMMil},
}};

template <size_t N>
uint8_t ReadWord(TNimboObject& self, const std::array<wordtab::TWordCode, N>& table,
                 uint8_t current) {
    return wordtab::LookupWord(self.ReadString(), table).value_or(current);
}

}  // namespace

TNimboDimension::TNimboDimension(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Dimension";
}

void TNimboDimension::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::pt:
                FPt = ReadPoint();
                return true;
            case kw::dimensionOffsets:
                FOffsets = ReadPoint();
                return true;
            case kw::rotation:
                FRotation = ReadFloat();
                return true;
            case kw::dimCenterSize:
                FCenterSize = ReadFloat();
                return true;
            case kw::dimLeaderSize:
                FLeaderSize = ReadFloat();
                return true;
            case kw::dimLineWidth:
                FLineWidth = ReadFloat();
                return true;
            case kw::dimMinusDegTol:
                FMinusDegTol = ReadFloat();
                return true;
            case kw::dimPlusDegTol:
                FPlusDegTol = ReadFloat();
                return true;
            case kw::dimMinusLinearTol:
                FMinusLinearTol = ReadFloat();
                return true;
            case kw::dimPlusLinearTol:
                FPlusLinearTol = ReadFloat();
                return true;
            case kw::arrowheadLength:
                FArrowheadLength = ReadLength();
                return true;
            case kw::arrowheadWidth:
                FArrowheadWidth = ReadLength();
                return true;
            case kw::dimensionId:
                FDimensionId = ReadInteger();
                return true;
            case kw::isFlipped:
                FIsFlipped = ReadBoolean();
                return true;
            case kw::dimDisplayUnits:
                FDisplayUnits = ReadBoolean();
                return true;
            case kw::dimShowDia:
                FShowDia = ReadBoolean();
                return true;
            case kw::dimShowTol:
                FShowTol = ReadBoolean();
                return true;
            case kw::dimStyle:
                FStyle = ReadWord(*this, kStyles, FStyle);
                return true;
            case kw::dimOrient:
                FOrient = ReadWord(*this, kOrients, FOrient);
                return true;
            case kw::dimTextOrient:
                FTextOrient = ReadWord(*this, kOrients, FTextOrient);
                return true;
            case kw::dimLeaderStyle:
                FLeaderStyle = ReadWord(*this, kLeaderStyles, FLeaderStyle);
                return true;
            case kw::dimUnits:
                FUnits = ReadWord(*this, kUnits, FUnits);
                return true;
            case kw::dimPoints:
                ReadPointsInPlace(*this, FPoints);
                return true;
            case kw::dimDimLineGraphics:
                ReadGraphicsList(FDimLineGraphics);
                return true;
            case kw::dimExtLineGraphics:
                ReadGraphicsList(FExtLineGraphics);
                return true;
            case kw::dimTextGraphics:
                ReadGraphicsList(FTextGraphics);
                return true;
            default:
                return false;
        }
    });
}

void TNimboDimension::ReadGraphicsList(std::vector<std::unique_ptr<TNimboObject>>& list) {
    ReadGroupInPlace(*this, [&](int32_t token) {
        switch (token) {
            case kw::arc:
                list.push_back(ParseChild<TNimboArc>(*this));
                return true;
            case kw::line:
                list.push_back(ParseChild<TNimboLine>(*this));
                return true;
            case kw::pcbPoly:
                list.push_back(ParseChild<TNimboPcbPoly>(*this));
                return true;
            case kw::text:
                list.push_back(ParseChild<TNimboText>(*this));
                return true;
            default:
                return false;
        }
    });
}
