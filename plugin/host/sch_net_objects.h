// Wrappers of the editor's connectivity objects: bus entries, junctions, net labels, power
// objects and ports.
#pragma once

#include "host/sch_object.h"
#include "host/sch_text.h"

class TSchBusEntry : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoBusEntry;
    explicit TSchBusEntry(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    uint8_t FPassThrough = 0;
    TPoint FCorner;  // the second end [host units]; FLocation is the first
};
using TBusEntry = TSchBusEntry;

class TSchJunction : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoJunction;
    explicit TSchJunction(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    uint8_t FPassThrough1 = 0;
    uint8_t FPassThrough2 = 0;
};

class TSchNetLabel : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoNetLabel;
    explicit TSchNetLabel(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    uint8_t FOrientation = 0;  // quarter turns, 0 to 3
    int32_t FPassThrough = 0;
    TSchText FText;
};
using TNetLabel = TSchNetLabel;

class TPowerObject : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoPowerObject;
    explicit TPowerObject(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    uint8_t FPassThrough = 0;
    uint8_t FOrientation = 0;  // quarter turns, 0 to 3
    TSchText FText;            // the net name
};

class TSchPort : public TSchObject {
  public:
    static constexpr THostObjectId Kind = hoPort;
    explicit TSchPort(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    // Shape code 0 to 7: 0 to 3 lie along x, 4 to 7 along y.
    uint8_t FStyle = 0;
    // The two bytes that follow the style; the module sets them to 0 or leaves them.
    uint8_t FStyleByte2 = 0;
    uint8_t FStyleByte3 = 0;
    int32_t FWidth = 0;  // length along its axis [host units]; FLocation is the lower/left end
    int32_t FPassThrough1 = 0;
    int32_t FPassThrough2 = 0;
    TSchText FName;
};
