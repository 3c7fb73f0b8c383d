#include "model/design_info.h"

#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "reader/parse_loop.h"

TNimboFieldDef::TNimboFieldDef(TNimboObject* owner) : TNimboObject(owner) {}

void TNimboFieldDef::Parse() {
    FName = ReadString();
    FValue = ReadString();
}

TNimboNoteDef::TNimboNoteDef(TNimboObject* owner) : TNimboObject(owner) {}

void TNimboNoteDef::Parse() {
    static constexpr wordtab::TWordCode kShapes[] = {
        {"box", 0}, {"circle", 1}, {"triangle", 2}, {"none", 3}};
    FNumber = ReadInteger();
    FText = ReadString();
    if (auto code = wordtab::LookupWord(ReadString(), kShapes)) FShape = *code;
}

TNimboFieldSet::TNimboFieldSet(TNimboObject* owner) : TNimboObject(owner) {}
TNimboFieldSet::~TNimboFieldSet() = default;

// Field and note definitions read their values only; their closing parenthesis comes back
// to this loop, so the owner's count is left as it is.
void TNimboFieldSet::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        auto read = [](auto& list, auto child) {
            child->Parse();
            list.push_back(std::move(child));
        };
        switch (token) {
            case kw::fieldDef:
                read(FFieldDefs, std::make_unique<TNimboFieldDef>(this));
                return true;
            case kw::noteDef:
                read(FNoteDefs, std::make_unique<TNimboNoteDef>(this));
                return true;
            case kw::revisionNoteDef:
                read(FRevisionNoteDefs, std::make_unique<TNimboNoteDef>(this));
                return true;
            default:
                return false;
        }
    });
}

TNimboDesignInfo::TNimboDesignInfo(TNimboObject* owner) : TNimboObject(owner) {}
TNimboDesignInfo::~TNimboDesignInfo() = default;

void TNimboDesignInfo::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::designTitle:
                FTitle = ReadString();
                return true;
            case kw::designAuthor:
                FAuthor = ReadString();
                return true;
            case kw::designDate:
                FDate = ReadString();
                return true;
            case kw::designTime:
                FTime = ReadString();
                return true;
            case kw::designRevision:
                FRevision = ReadString();
                return true;
            case kw::fieldSet:
                FFieldSets.push_back(ParseChild<TNimboFieldSet>(*this));
                return true;
            default:
                return false;
        }
    });
}

TNimboGridDfns::TNimboGridDfns(TNimboObject* owner) : TNimboObject(owner) {}

void TNimboGridDfns::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::grid:
                FGrids.push_back(ReadString());
                return true;
            case kw::relOrigin:
                ParseRelOrigin();
                return true;
            default:
                return false;
        }
    });
}

// The "relOrigin" group in place: its "pt" is the origin.
void TNimboGridDfns::ParseRelOrigin() {
    ReadGroupInPlace(
        *this,
        [this](int32_t token) {
            if (token != kw::pt) return false;
            FRelOrigin = ReadPoint();
            return true;
        },
        FDepth);
}
