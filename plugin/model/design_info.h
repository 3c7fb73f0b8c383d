#pragma once
// Design information, field sets and grid definitions: read by a board design header, kept,
// never translated.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/point.h"
#include "reader/nimbo_object.h"

class TNimboFieldDef : public TNimboObject {
  public:
    explicit TNimboFieldDef(TNimboObject* owner);
    // Reads exactly the name and the value; the closing parenthesis is left to the owner.
    void Parse() override;

    std::string FName;
    std::string FValue;
};

class TNimboNoteDef : public TNimboObject {
  public:
    explicit TNimboNoteDef(TNimboObject* owner);
    // Reads exactly number, text and shape word; the closing parenthesis is left to the owner.
    void Parse() override;

    int32_t FNumber = 0;
    std::string FText;
    uint8_t FShape = 3;  // 0 "box", 1 "circle", 2 "triangle", 3 "none"
};

class TNimboFieldSet : public TNimboObject {
  public:
    explicit TNimboFieldSet(TNimboObject* owner);
    ~TNimboFieldSet() override;
    void Parse() override;

    std::string FName;
    std::vector<std::unique_ptr<TNimboFieldDef>> FFieldDefs;
    std::vector<std::unique_ptr<TNimboNoteDef>> FNoteDefs;
    std::vector<std::unique_ptr<TNimboNoteDef>> FRevisionNoteDefs;
};

class TNimboDesignInfo : public TNimboObject {
  public:
    explicit TNimboDesignInfo(TNimboObject* owner);
    ~TNimboDesignInfo() override;
    void Parse() override;

    std::vector<std::unique_ptr<TNimboFieldSet>> FFieldSets;
    std::string FTitle;
    std::string FAuthor;
    std::string FDate;
    std::string FTime;
    std::string FRevision;
};

class TNimboGridDfns : public TNimboObject {
  public:
    explicit TNimboGridDfns(TNimboObject* owner);
    void Parse() override;

    std::vector<std::string> FGrids;
    TPoint FRelOrigin{0, 0};

  private:
    void ParseRelOrigin();
};
