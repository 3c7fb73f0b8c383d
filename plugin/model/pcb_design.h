#pragma once
// The board design section ("pcbDesign"). It is read so that a file holding one parses cleanly
// and the sections after it are read normally; nothing is created from it. The file object clears
// FSchematicUnits before creating it, so every length below is in internal units (1/10000 mil).

#include <memory>
#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboAttr;
class TNimboDesignInfo;
class TNimboGridDfns;
class TNimboLayerDef;
class TNimboLayerContents;

// The "pcbDesignHeader" section.
class TNimboPcbDesignHeader : public TNimboDesignObject {
  public:
    explicit TNimboPcbDesignHeader(TNimboObject* owner);
    ~TNimboPcbDesignHeader() override;
    void Parse() override;

    TPoint FWorkspaceSize{0, 0};                    // internal units
    std::unique_ptr<TNimboGridDfns> FGridDfns;      // the last "gridDfns" read
    std::unique_ptr<TNimboDesignInfo> FDesignInfo;  // the last "designInfo" read
    int32_t FSolderSwell = 0;                       // internal units
    int32_t FPasteSwell = 0;                        // internal units
    int32_t FPlaneSwell = 0;                        // internal units
};

class TNimboPCBDesign : public TNimboDesignObject {
  public:
    explicit TNimboPCBDesign(TNimboObject* owner);
    ~TNimboPCBDesign() override;

    void Parse() override;
    // A board design creates nothing in a schematic host.
    void Translate() override {}

    std::string FName;
    std::unique_ptr<TNimboPcbDesignHeader> FHeader;         // the last "pcbDesignHeader" read
    std::vector<std::unique_ptr<TNimboAttr>> FGlobalAttrs;  // file order
    std::vector<std::unique_ptr<TNimboLayerDef>> FLayerDefs;
    std::vector<std::unique_ptr<TNimboObject>> FMultiLayer;  // drawing objects, file order
    std::vector<std::unique_ptr<TNimboLayerContents>> FLayerContents;

  private:
    void ReadGlobalAttrs();
};
