#include "model/sch_design.h"

#include "model/attribute.h"
#include "model/sch_document.h"
#include "model/sheet.h"
#include "model/title_sheet.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

// ---- Design header ----

TNimboSCHDesignHeader::TNimboSCHDesignHeader(TNimboObject* owner) : TNimboDesignObject(owner) {}

void TNimboSCHDesignHeader::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        if (token != kw::workspaceSize) return false;
        FWorkspaceSize = ReadPoint();
        return true;
    });
}

// ---- Design ----

TNimboSCHDesign::TNimboSCHDesign(TNimboObject* owner) : TNimboDesignObject(owner) {}
TNimboSCHDesign::~TNimboSCHDesign() = default;

void TNimboSCHDesign::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::globalAttrs:
                ReadAttrsInPlace(*this, FGlobalAttrs, FDepth);
                return true;
            case kw::schDesignHeader:
                FHeader = ParseChild<TNimboSCHDesignHeader>(*this);
                return true;
            case kw::sheet:
                FSheets.push_back(ParseChild<TNimboSheet>(*this));
                return true;
            case kw::titleSheet:
                FTitleSheet = ParseChild<TNimboTitleSheet>(*this);
                return true;
            default:
                return false;
        }
    });
}

std::optional<TPoint> TNimboSCHDesign::WorkspaceSize() const {
    if (!FHeader) return std::nullopt;
    return FHeader->FWorkspaceSize;
}

void TNimboSCHDesign::Translate() {
    if (FTitleSheet) FTitleSheet->Translate();

    const std::vector<std::string> topLevel = FindTopLevelSheets();
    if (topLevel.size() > 1) CreateProjectSheet(topLevel);

    for (const auto& sheet : FSheets) {
        auto options = OpenSchematicDocument(sheet->FName);
        SetSheetOptions(*options, sheet->FPageSize, sheet->FDrawBorder, WorkspaceSize());
        sheet->FDocument = options.get();
        try {
            sheet->Translate();
        } catch (...) {
            // The sheet's document keeps what was made before the failure.
        }
        CloseSchematicDocument(*options);
        sheet->FDocument = nullptr;
    }
}
