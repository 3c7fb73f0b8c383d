#pragma once
// Copper pours ("copperPour", "copperPour95") with their fill polygon, vertices, islands and
// thermals. Read only; they create nothing. Lengths are in the units the owner reads in.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

// Codes of "pourType".
enum TPourType : uint8_t {
    ptSolidPour = 0,
    ptHorizPour = 1,
    ptVertPour = 2,
    ptHatch45Pour = 3,
    ptHatch90Pour = 4,
};

// Codes of "thermalType".
enum TThermalType : uint8_t { ttNoTherm = 0, ttTherm45 = 1, ttTherm90 = 2 };

// Codes of "islandRemoval"; irArea is followed by one value, kept as written.
enum TIslandRemoval : uint8_t { irNone = 0, irArea = 1, irInterior = 2, irUnconnected = 3 };

// One thermal of a "thermal" group: its first point starts it, the last one ends it.
class TNimboThermal : public TNimboDrawObject {
  public:
    explicit TNimboThermal(TNimboObject* owner);

    TPoint FStart{0, 0};
    TPoint FEnd{0, 0};
};

// The outline a pour was filled with ("fillPoly" or "pcbPoly" inside a pour).
class TNimboFillPoly : public TNimboDrawObject {
  public:
    explicit TNimboFillPoly(TNimboObject* owner);
    void Parse() override;

    std::vector<TPoint> FPoints;  // file order
    double FRotation = 0.0;       // degrees
};

// A "vertex" group of a pour; passed over to its end.
class TNimboVertex : public TNimboDrawObject {
  public:
    explicit TNimboVertex(TNimboObject* owner);
    void Parse() override;
};

class TNimboCopperPourIsland : public TNimboDrawObject {
  public:
    explicit TNimboCopperPourIsland(TNimboObject* owner);
    void Parse() override;

    std::vector<TPoint> FIslandOutline;
    std::vector<TPoint> FCutout;  // "copperPourIslandCutout"
    std::vector<std::unique_ptr<TNimboThermal>> FThermals;
};

class TNimboCopperPour : public TNimboDrawObject {
  public:
    explicit TNimboCopperPour(TNimboObject* owner);
    ~TNimboCopperPour() override;
    void Parse() override;

    std::string FNetNameRef;
    int32_t FWidth = 0;
    int32_t FPourSpacing = 0;
    int32_t FPourBackoff = 0;
    int32_t FThermalWidth = 0;
    double FPourSmoothness = 0.0;
    int32_t FThermalSpokes = 0;
    bool FUseDesignRules = true;
    uint8_t FPourType = ptSolidPour;   // TPourType
    uint8_t FThermalType = ttNoTherm;  // TThermalType
    uint8_t FIslandRemoval = irNone;   // TIslandRemoval
    std::string FIslandRemovalValue;   // the value after "Area", as written
    std::vector<TPoint> FPourOutline;
    std::unique_ptr<TNimboFillPoly> FFillPoly;  // the last one read
    std::vector<std::unique_ptr<TNimboVertex>> FVertices;
    std::vector<std::unique_ptr<TNimboThermal>> FThermals;
    std::vector<std::unique_ptr<TNimboCopperPourIsland>> FIslands;

  private:
    void ReadIslandRemoval();
    // Sets the mode named by `word` (and reads the area after "Area"); false for no mode word.
    bool SetIslandRemoval(const std::string& word);
    // The area value as the file writes it (no unit conversion).
    std::string ReadAreaText();
};
