// The base of every object read from an ASCII file: the context a child inherits from the
// object that creates it, the reading operations for the value types of the format, and the
// skipping of sections a kind does not handle.
//
// The parse loop every kind runs with these operations is in reader/parse_loop.h.
#pragma once

#include <cstdint>
#include <string>

#include "host/point.h"

class TNimboParser;
class TReportManager;
class TDocumentOptions;

// Default units of a file's lengths.
enum TFileUnits : uint8_t { fuMil = 0, fuMM = 1, fuInch = 2 };

class TNimboObject {
  public:
    // Copies FParser, FReport, FUnits, FDocument, FSchematicUnits, FLibrary and FNetlist from
    // the owner (as they are now); without an owner they are null, fuMil, false.
    explicit TNimboObject(TNimboObject* owner);
    virtual ~TNimboObject();
    TNimboObject(const TNimboObject&) = delete;
    TNimboObject& operator=(const TNimboObject&) = delete;

    // Reads the object's section (the base reads nothing).
    virtual void Parse();
    // Creates the host objects for what was read (the base creates nothing).
    virtual void Translate();
    // Calls Translate().
    virtual void Execute();
    virtual void SetLibrary(TNimboObject* library);
    virtual void SetNetlist(TNimboObject* netlist);

    // Reading operations. They read values only, never the ")" of the group the value
    // stands in.

    // A length: schematic units (10 mil) when FSchematicUnits, else internal units
    // (1/10000 mil). A separate unit word ("mm", "in", "mil", any case) overrides FUnits; any
    // other word starting with i/I/m/M after the number is consumed and gives 0. A word with
    // the unit attached ("30mil", "2.0mm", "0.1IN") reads in that unit. A text that is no
    // number reads as 0.
    int32_t ReadLength();
    // ReadLength for x, then for y.
    TPoint ReadPoint();
    // The tokenizer's ReadInteger/ReadFloat (-32000 and NumberError on failure).
    int32_t ReadInteger();
    double ReadFloat();
    // True exactly when the next token's text is "True" (any case).
    bool ReadBoolean();
    // The next token's text: a quoted string unescaped, a word as written.
    std::string ReadString();
    // Consumes the rest of the group that an unhandled token stands in; a string, the empty
    // word, or a token at FDepth < 2 is passed over.
    void SkipSection();

    // Whether a parse loop must stop (end of file or abort).
    bool ReadingStopped() const;

    TNimboObject* FOwner = nullptr;
    TNimboParser* FParser = nullptr;
    TReportManager* FReport = nullptr;
    std::string FKindName = "NimboObject";
    TFileUnits FUnits = fuMil;
    TDocumentOptions* FDocument = nullptr;
    uint32_t FHostHandle = 0;  // not copied from the owner
    bool FSchematicUnits = false;
    int32_t FDepth = 0;  // nesting counter of this object's own parse loop
    TNimboObject* FLibrary = nullptr;
    TNimboObject* FNetlist = nullptr;
};

// Base of the design-level kinds (designs, headers, sheets, netlist members, layers).
class TNimboDesignObject : public TNimboObject {
  public:
    explicit TNimboDesignObject(TNimboObject* owner) : TNimboObject(owner) {}
};

// Base of every kind that can stand on a sheet, a title sheet or in a symbol definition;
// kind name "Draw Object".
class TNimboDrawObject : public TNimboDesignObject {
  public:
    explicit TNimboDrawObject(TNimboObject* owner);
};
