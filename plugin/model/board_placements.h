#pragma once
// What a board places from the library's board definitions: pads ("pad", a pad style), vias
// ("via", a via style) and patterns ("pattern", a pattern definition with its attributes). Read
// only; they create nothing.

#include <memory>
#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboAttr;

class TNimboPad : public TNimboDrawObject {
  public:
    explicit TNimboPad(TNimboObject* owner);
    void Parse() override;

    TPoint FPt{0, 0};
    double FRotation = 0.0;  // degrees
    bool FIsFlipped = false;
    std::string FPadNum;
    std::string FPadStyleRef;
    std::string FNetNameRef;
};

class TNimboVia : public TNimboDrawObject {
  public:
    explicit TNimboVia(TNimboObject* owner);
    void Parse() override;

    TPoint FPt{0, 0};
    double FRotation = 0.0;  // degrees
    bool FIsFlipped = false;
    std::string FNetNameRef;
    std::string FViaStyleRef;
};

class TNimboPattern : public TNimboDrawObject {
  public:
    explicit TNimboPattern(TNimboObject* owner);
    ~TNimboPattern() override;
    void Parse() override;

    TPoint FPt{0, 0};
    double FRotation = 0.0;  // degrees
    bool FIsFixed = false;
    bool FIsFlipped = false;
    std::string FPatternRef;
    std::string FRefDesRef;
    std::vector<std::unique_ptr<TNimboAttr>> FAttrs;  // file order
};
