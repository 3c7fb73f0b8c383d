#pragma once
// A board dimension ("dimension") with its three lists of graphics. Read only; it creates
// nothing. Lengths are in the units the owner reads in.

#include <cstdint>
#include <memory>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

// Codes of "dimStyle".
enum TDimStyle : uint8_t {
    dsAngular = 0,
    dsBaseline = 1,
    dsCenter = 2,
    dsDiameter = 3,
    dsLeader = 4,
    dsPointToPoint = 5,
    dsRadius = 6,
    dsDatum = 7,
};

// Codes of "dimOrient" and "dimTextOrient".
enum TDimOrient : uint8_t { doHorizontal = 0, doVertical = 1, doDiagonal = 2 };

// Codes of "dimLeaderStyle".
enum TDimLeaderStyle : uint8_t { dlText = 0, dlCircle = 1, dlSquare = 2 };

// Codes of "dimUnits".
enum TDimUnits : uint8_t {
    duInch = 0,
    duMil = 1,
    duMM = 2,
    duCM = 3,
    duCMInch = 4,
    duCMMil = 5,
    duInchCM = 6,
    duInchMM = 7,
    duMilMM = 8,
    duMMInch = 9,
    duMMMil = 10,
};

class TNimboDimension : public TNimboDrawObject {
  public:
    explicit TNimboDimension(TNimboObject* owner);
    void Parse() override;

    TPoint FPt{0, 0};
    TPoint FOffsets{0, 0};  // "dimensionOffsets"
    double FRotation = 0.0;
    double FCenterSize = 0.0;
    double FLeaderSize = 0.0;
    double FLineWidth = 0.0;
    double FMinusDegTol = 0.0;
    double FPlusDegTol = 0.0;
    double FMinusLinearTol = 0.0;
    double FPlusLinearTol = 0.0;
    int32_t FArrowheadLength = 0;
    int32_t FArrowheadWidth = 0;
    int32_t FDimensionId = 0;
    bool FIsFlipped = false;
    bool FDisplayUnits = false;
    bool FShowDia = false;
    bool FShowTol = false;
    uint8_t FStyle = dsLeader;           // TDimStyle
    uint8_t FOrient = doHorizontal;      // TDimOrient
    uint8_t FTextOrient = doHorizontal;  // TDimOrient
    uint8_t FLeaderStyle = dlText;       // TDimLeaderStyle
    uint8_t FUnits = duInch;             // TDimUnits
    std::vector<TPoint> FPoints;         // "dimPoints"
    // Arcs, lines, polygons and texts of each list, in file order.
    std::vector<std::unique_ptr<TNimboObject>> FDimLineGraphics;
    std::vector<std::unique_ptr<TNimboObject>> FExtLineGraphics;
    std::vector<std::unique_ptr<TNimboObject>> FTextGraphics;

  private:
    void ReadGraphicsList(std::vector<std::unique_ptr<TNimboObject>>& list);
};
