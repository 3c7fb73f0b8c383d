#include "model/ascii_file.h"

#include "model/library.h"
#include "model/netlist.h"
#include "model/pcb_design.h"
#include "model/sch_design.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "report/error_box.h"
#include "report/report_manager.h"

namespace {

constexpr size_t kShortStringLength = 255;

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

std::string FileNameExtension(const std::string& name) {
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return std::string();
    if (name.find_first_of("\\/:", dot) != std::string::npos) return std::string();
    return name.substr(dot);
}

TNimboAsciiFile::TNimboAsciiFile(TNimboParser* parser, const std::string& fileName)
    : TNimboObject(nullptr), FFileName(fileName.substr(0, kShortStringLength)) {
    FParser = parser;
    FKindName = "Nimbo Ascii File";
}

TNimboAsciiFile::~TNimboAsciiFile() {
    // Later sections link to earlier ones: free them in the reverse order of reading.
    while (!FSections.empty()) FSections.pop_back();
}

template <class T>
T* TNimboAsciiFile::CreateSection() {
    auto section = std::make_unique<T>(this);
    T* created = section.get();
    FSections.push_back(std::move(section));
    return created;
}

void TNimboAsciiFile::ReadHeader() {
    FHeader = CreateSection<TNimboAsciiHeader>();
    FHeader->Parse();
    FUnits = FHeader->FFileUnits;
}

void TNimboAsciiFile::ReadDesign(std::unique_ptr<TNimboObject> design) {
    FDesign = design.get();
    FSections.push_back(std::move(design));
    FDesign->Parse();
    // A design section that the end of the file cut short. A section whose closing
    // parenthesis is the last character of the file is complete and raises nothing.
    if (FParser->Eof() && FDesign->FDepth > 0) ShowErrorBox("Unexpected End Of File");
}

void TNimboAsciiFile::Parse() {
    if (!FParser) return;
    if (FParser->NextToken() != kw::NIMBO_ASCII) {
        if (FReport) FReport->AddLoadError(leNoFileKeyword, 0);
        return;
    }
    FParser->NextToken();
    FEmbeddedName = FParser->TokenText();
    // No nesting count at this level: the tokens of any other top-level group are passed one
    // by one, and one of the five section keywords met among them starts that section.
    while (!ReadingStopped()) {
        switch (FParser->NextToken()) {
            case kw::asciiHeader:
                ReadHeader();
                break;
            case kw::library:
                // The replaced library is not a link of the new one.
                FLibrary = nullptr;
                FLibrary = CreateSection<TNimboLibrary>();
                FLibrary->Parse();
                break;
            case kw::netlist:
                FNetlist = nullptr;
                FNetlist = CreateSection<TNimboNetlist>();
                FNetlist->Parse();
                break;
            case kw::pcbDesign:
                FSchematicUnits = false;
                ReadDesign(std::make_unique<TNimboPCBDesign>(this));
                break;
            case kw::schematicDesign:
                FSchematicUnits = true;
                ReadDesign(std::make_unique<TNimboSCHDesign>(this));
                break;
            default:
                break;
        }
    }
}

void TNimboAsciiFile::Translate() {
    for (TNimboObject* section : {FLibrary, FNetlist, FDesign}) {
        if (!section) continue;
        section->FDocument = nullptr;
        section->Translate();
    }
}

bool TNimboAsciiFile::IsDesign() {
    return IsKind(TFileKind::Design);
}
bool TNimboAsciiFile::IsLibrary() {
    return IsKind(TFileKind::Library);
}

bool TNimboAsciiFile::IsKind(TFileKind kind) {
    if (!FParser || FParser->NextToken() != kw::NIMBO_ASCII) return false;
    FParser->NextToken();
    FEmbeddedName = FParser->TokenText();
    const std::string extension = Upper(FileNameExtension(FEmbeddedName));
    const bool accepted = kind == TFileKind::Design ? extension == ".SCH"
                                                    : (extension == ".LIA" || extension == ".LIB");
    bool result = false;
    if (accepted && !FParser->Eof()) {
        FParser->NextToken();  // normally the "(" before the header's keyword
        if (FParser->NextToken() == kw::asciiHeader) {
            ReadHeader();
            result = FHeader->FVersionMajor == 3 && !FParser->Eof();
        }
    }
    FParser->Rewind();
    return result;
}
