// The root of the object tree of one ASCII file: the file keyword, the file name written after
// it, and the top-level sections (asciiHeader, library, netlist, pcbDesign, schematicDesign).
// It also answers the validation questions: is this a schematic design, is this a library.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ascii_header.h"
#include "reader/nimbo_object.h"

class TNimboParser;

class TNimboAsciiFile : public TNimboObject {
  public:
    TNimboAsciiFile(TNimboParser* parser, const std::string& fileName);
    ~TNimboAsciiFile() override;

    // Reads the whole file. A file that does not start with the file keyword counts a load
    // error (leNoFileKeyword) when a report is set and leaves the tree empty.
    void Parse() override;
    // Translates the library, the netlist and the design, in that order.
    void Translate() override;

    // Validation: the file keyword, then an embedded name ending in ".SCH" (IsDesign) or in
    // ".LIA" or ".LIB" (IsLibrary), then an asciiHeader of version 3. They read only the
    // start of the file and rewind the tokenizer.
    bool IsDesign();
    bool IsLibrary();

    std::string FFileName;                 // path on disk
    std::string FEmbeddedName;             // the name written after the file keyword
    TNimboAsciiHeader* FHeader = nullptr;  // the last asciiHeader read
    TNimboObject* FDesign = nullptr;       // the last design section read (board or schematic)

  private:
    enum class TFileKind { Design, Library };
    bool IsKind(TFileKind kind);
    void ReadHeader();
    // Creates a section of kind T owned by the file.
    template <class T>
    T* CreateSection();
    void ReadDesign(std::unique_ptr<TNimboObject> design);

    // Every section object read. A section that a later one of its kind replaces stays alive
    // until the file object goes: objects created after it may still link to it.
    std::vector<std::unique_ptr<TNimboObject>> FSections;
};

// The text from the last "." of Name on, provided no "\", "/" or ":" follows that dot; empty
// otherwise.
std::string FileNameExtension(const std::string& name);
