#include "model/ascii_header.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

namespace {

bool SameWord(const std::string& word, const char* upper) {
    if (word.size() != std::char_traits<char>::length(upper)) return false;
    for (size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[i]) return false;
    }
    return true;
}

TFileUnits UnitsOfWord(const std::string& word) {
    if (SameWord(word, "MM")) return fuMM;
    if (SameWord(word, "IN")) return fuInch;
    return fuMil;
}

}  // namespace

TNimboAsciiHeader::TNimboAsciiHeader(TNimboObject* owner) : TNimboObject(owner) {
    FKindName = "Ascii Header";
}

void TNimboAsciiHeader::Parse() {
    if (!FParser) return;
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::asciiVersion:
                FVersionMajor = ReadInteger();
                FVersionMinor = ReadInteger();
                break;
            case kw::timeStamp:
                for (int32_t& part : FTimeStamp) part = ReadInteger();
                break;
            case kw::program:
                FProgramName = ReadString();
                FProgramVersion = ReadString();
                break;
            case kw::copyright:
                FCopyright = ReadString();
                break;
            case kw::fileAuthor:
                FFileAuthor = ReadString();
                break;
            case kw::headerString:
                FHeaderString = ReadString();
                break;
            case kw::guidString:
                FGuidString = ReadString();
                break;
            case kw::fileUnits:
                FFileUnits = UnitsOfWord(ReadString());
                break;
            default:
                return false;
        }
        return true;
    });
}
