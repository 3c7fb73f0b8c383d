#pragma once
// The schematic design section: the design name, its header (workspace size), its sheets and
// its title sheet. Translating it opens one host document per sheet, a project document when
// several sheets are top-level, and a document for a named title sheet.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboAttr;
class TNimboSheet;
class TNimboTitleSheet;
class TDocumentOptions;

// The "schDesignHeader" section; only the workspace size is read.
class TNimboSCHDesignHeader : public TNimboDesignObject {
  public:
    explicit TNimboSCHDesignHeader(TNimboObject* owner);
    void Parse() override;

    TPoint FWorkspaceSize{0, 0};  // host units (10 mil)
};

class TNimboSCHDesign : public TNimboDesignObject {
  public:
    explicit TNimboSCHDesign(TNimboObject* owner);
    ~TNimboSCHDesign() override;

    void Parse() override;
    // Title sheet, project sheet, then every sheet in file order, each into a document of its own.
    void Translate() override;

    // Names of the sheets that no module symbol links to, in file order.
    std::vector<std::string> FindTopLevelSheets() const;
    // Opens the "<design>.prj" document and puts one sheet symbol per name on a grid.
    void CreateProjectSheet(const std::vector<std::string>& names);

    // The header's workspace size [host units]; none without a "schDesignHeader" section, in
    // which case the documents keep the host's own custom-size settings.
    std::optional<TPoint> WorkspaceSize() const;

    std::string FName;
    std::unique_ptr<TNimboSCHDesignHeader> FHeader;
    std::vector<std::unique_ptr<TNimboAttr>> FGlobalAttrs;
    std::unique_ptr<TNimboTitleSheet> FTitleSheet;
    std::vector<std::unique_ptr<TNimboSheet>> FSheets;
};
