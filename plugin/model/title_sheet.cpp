#include "model/title_sheet.h"

#include "model/sch_design.h"
#include "model/sch_document.h"
#include "model/sheet_draw_objects.h"
#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "reader/parse_loop.h"

// ---- Border ----

TNimboBorder::TNimboBorder(TNimboObject* owner) : TNimboObject(owner) {}

void TNimboBorder::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::height:
                FHeight = ReadLength();
                return true;
            case kw::isVisible:
                FIsVisible = ReadBoolean();
                return true;
            case kw::offset:
                FOffset = ReadPoint();
                return true;
            case kw::width:
                FWidth = ReadLength();
                return true;
            default:
                return false;
        }
    });
}

// ---- Zones ----

TNimboZones::TNimboZones(TNimboObject* owner) : TNimboObject(owner) {}

void TNimboZones::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::isVisible:
                FIsVisible = ReadBoolean();
                return true;
            case kw::textStyleRef:
                FTextStyleRef = ReadString();
                return true;
            case kw::horizontalZones:
                ParseRow(FHorizontal);
                return true;
            case kw::verticalZones:
                ParseRow(FVertical);
                return true;
            default:
                return false;
        }
    });
}

// The zone count, then the row's numbering words up to the group's closing parenthesis.
void TNimboZones::ParseRow(TZoneRow& row) {
    static constexpr wordtab::TWordCode kDirections[] = {{"Ascending", 0}, {"Descending", 1}};
    static constexpr wordtab::TWordCode kNumTypes[] = {{"Alphabetic", 0}, {"Numeric", 1}};
    row.FCount = ReadInteger();
    ReadGroupInPlace(
        *this,
        [this, &row](int32_t token) {
            switch (token) {
                case kw::numDirection:
                    if (auto code = wordtab::LookupWord(ReadString(), kDirections)) {
                        row.FDirection = *code;
                    }
                    return true;
                case kw::numType:
                    if (auto code = wordtab::LookupWord(ReadString(), kNumTypes)) {
                        row.FNumType = *code;
                    }
                    return true;
                default:
                    return false;
            }
        },
        FDepth);
}

// ---- Title sheet ----

TNimboTitleSheet::TNimboTitleSheet(TNimboObject* owner) : TNimboDesignObject(owner) {}
TNimboTitleSheet::~TNimboTitleSheet() = default;

void TNimboTitleSheet::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        if (auto object = CreateSheetDrawObject(token, this)) {
            FDrawObjects.push_back(ParseChild(*this, std::move(object)));
            return true;
        }
        switch (token) {
            case kw::border:
                FBorder = ParseChild<TNimboBorder>(*this);
                return true;
            case kw::zones:
                FZones = ParseChild<TNimboZones>(*this);
                return true;
            case kw::isVisible:
                FIsVisible = ReadBoolean();
                return true;
            case kw::offset:
                FOffset = ReadPoint();
                return true;
            case kw::titleSheetNameDef:
                FName = ReadString();
                return true;
            case kw::titleSheetScale:
                FScale = ReadFloat();
                return true;
            case tokString:
                // A bare name followed by a number, which is dropped.
                FName = FParser->TokenText();
                ReadFloat();
                return true;
            default:
                return false;
        }
    });
}

void TNimboTitleSheet::Translate() {
    if (FName.empty()) return;
    const auto* design = dynamic_cast<const TNimboSCHDesign*>(FOwner);
    auto options = OpenSchematicDocument(FName);
    options->FBorderOn = 1;
    options->FIsTitleSheet = 1;
    if (auto workspace = design ? design->WorkspaceSize() : std::nullopt) {
        options->FUseCustomSheet = 1;
        options->FCustomX = workspace->X;
        options->FCustomY = workspace->Y;
    }
    TranslateDrawObjects(FDrawObjects, options.get());
    CloseSchematicDocument(*options);
}
