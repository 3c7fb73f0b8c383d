#include "reader/nimbo_parser.h"

#include <algorithm>
#include <array>

#include "platform/abort_poll.h"
#include "platform/decimal.h"

namespace {

constexpr bool IsLetterOrDigit(unsigned c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr bool IsWordChar(unsigned c) {
    if (c == 0 || c >= 128 || IsLetterOrDigit(c)) return true;
    switch (c) {
        case '!':
        case '#':
        case '$':
        case '%':
        case '\'':
        case '-':
        case '.':
        case '/':
        case '?':
        case '_':
            return true;
        default:
            return false;
    }
}

constexpr bool IsNumberChar(unsigned c) {
    if (c == 0 || c >= 128 || IsLetterOrDigit(c)) return true;
    return c == '+' || c == ',' || c == '-' || c == '.';
}

template <bool (*Member)(unsigned)>
constexpr std::array<bool, 256> TerminatorTable() {
    std::array<bool, 256> table{};
    for (unsigned c = 0; c < 256; ++c) table[c] = !Member(c);
    return table;
}

constexpr std::array<bool, 256> kWordTerminators = TerminatorTable<IsWordChar>();
constexpr std::array<bool, 256> kNumberTerminators = TerminatorTable<IsNumberChar>();

char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = ToUpperAscii(c);
    return folded;
}

// Compares an upper-case keyword with a word, folding the word's letters on the fly.
int CompareFolded(std::string_view folded, std::string_view word) {
    const size_t n = std::min(folded.size(), word.size());
    for (size_t i = 0; i < n; ++i) {
        const auto a = static_cast<unsigned char>(folded[i]);
        const auto b = static_cast<unsigned char>(ToUpperAscii(word[i]));
        if (a != b) return a < b ? -1 : 1;
    }
    if (folded.size() == word.size()) return 0;
    return folded.size() < word.size() ? -1 : 1;
}

// Resolves the escapes of a quoted string's raw text.
std::string Unescape(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            out.push_back(raw[i]);
            continue;
        }
        if (++i == raw.size()) break;  // a trailing backslash is dropped
        switch (raw[i]) {
            case '"':
                out.push_back('"');
                break;
            case '\\':
                out.push_back('\\');
                break;
            case 'F':
            case 'f':
                out.push_back('\f');
                break;
            case 'N':
            case 'n':
                out.push_back('\n');
                break;
            case 'R':
            case 'r':
                out.push_back('\r');
                break;
            case 'T':
            case 't':
                out.push_back('\v');  // the format's "\t" is a vertical tab
                break;
            default:
                break;  // unknown escape: both characters are dropped
        }
    }
    if (out.size() > TNimboParser::kMaxTokenLength) out.resize(TNimboParser::kMaxTokenLength);
    return out;
}

}  // namespace

TNimboParser::TNimboParser(const std::string& fileName, size_t blockSize)
    : platform::TFileStream(fileName, blockSize) {
    FTokenText.reserve(kMaxTokenLength + 1);
    FScratch.reserve(kMaxTokenLength + 1);
}

void TNimboParser::AddKeyword(std::string_view name, TKeywordInfo info) {
    std::string folded = FoldCase(name);
    auto at = std::lower_bound(
        FKeywords.begin(), FKeywords.end(), folded,
        [](const TKeyword& entry, const std::string& key) { return entry.Folded < key; });
    if (at != FKeywords.end() && at->Folded == folded) return;  // the first registration wins
    FKeywords.insert(at, TKeyword{std::move(folded), info});
}

int32_t TNimboParser::FindKeyword(std::string_view word) const {
    size_t low = 0;
    size_t high = FKeywords.size();
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        const int order = CompareFolded(FKeywords[mid].Folded, word);
        if (order == 0) return FKeywords[mid].Info.Id;
        if (order < 0) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return tokUnknown;
}

void TNimboParser::PollAbort() {
    FPollCountdown = kAbortPollInterval;
    if (platform::TakeAbortRequest() && platform::AskAbortQuestion()) FAborted = true;
}

char TNimboParser::ReadChar() {
    if (--FPollCountdown == 0) PollAbort();
    uint8_t byte;
    if (ReadByte(byte)) FCurrentChar = static_cast<char>(byte);
    FEof = Position() >= Size();
    return FCurrentChar;
}

// Gives the last byte back to the stream. Once it is unread the file has not been read to its
// end any more, so Eof follows the position.
void TNimboParser::StepBack() {
    SeekRelative(-1);
    FEof = Position() >= Size();
}

char TNimboParser::PeekChar() {
    uint8_t next;
    if (!PeekByte(next)) return kPeekEof;
    if (next != ' ') return static_cast<char>(next);
    // Blanks ahead: read past them and come back.
    const int64_t start = Position();
    char result = kPeekEof;
    uint8_t byte;
    while (ReadByte(byte)) {
        if (byte != ' ') {
            result = static_cast<char>(byte);
            break;
        }
    }
    Seek(start);
    return result;
}

void TNimboParser::SkipLine() {
    while (FCurrentChar != '\r' && FCurrentChar != '\n' && !FEof) ReadChar();
    while ((FCurrentChar == '\r' || FCurrentChar == '\n' || FCurrentChar == 20) && !FEof) {
        ReadChar();
    }
    StepBack();
}

void TNimboParser::Rewind() {
    Seek(0);
    FEof = false;
}

int32_t TNimboParser::NextToken() {
    return ScanToken(TTerminators::Word);
}

int32_t TNimboParser::ScanToken(TTerminators terminators) {
    char c = ' ';
    while (c == ' ' && !FEof) {
        if (NextIsLineEnd()) {
            SkipLine();
        } else {
            c = ReadChar();
        }
    }
    if (c == ')') return FTokenId = tokClose;
    if (c == '(') return FTokenId = tokOpen;
    if (c == '"') return FTokenId = ScanString();

    ScanWord(c, terminators);
    if (FTokenText.empty()) return FTokenId = tokEmptyWord;
    return FTokenId = FindKeyword(FTokenText);
}

int32_t TNimboParser::ScanString() {
    FScratch.clear();
    // An opening quote that was the file's last byte opens an empty string.
    if (!FEof) {
        char previous = '"';
        char c = ReadChar();
        while (!(c == '"' && previous != '\\')) {
            if (FScratch.size() < kMaxTokenLength) FScratch.push_back(c);
            if (FEof) break;  // the file ends inside the string: keep what was read
            previous = c;
            c = ReadChar();
        }
    }
    FTokenText = Unescape(FScratch);
    return tokString;
}

void TNimboParser::ScanWord(char c, TTerminators terminators) {
    const std::array<bool, 256>& ends =
        terminators == TTerminators::Word ? kWordTerminators : kNumberTerminators;
    auto isTerminator = [&ends](char ch) { return ends[static_cast<unsigned char>(ch)]; };

    FTokenText.clear();
    while (!isTerminator(c) && !FEof) {
        if (FTokenText.size() < kMaxTokenLength) FTokenText.push_back(c);
        c = NextIsLineEnd() ? ' ' : ReadChar();
    }
    if (c == '(' || c == ')') {
        StepBack();  // the parenthesis is the next token
    } else if (!isTerminator(c) && FTokenText.size() < kMaxTokenLength) {
        FTokenText.push_back(c);  // the word's last byte was the file's last byte
    }
}

int32_t TNimboParser::ReadInteger() {
    ScanToken(TTerminators::Number);
    const std::optional<int32_t> value = platform::TryStrToInt(FTokenText);
    FNumberError = !value;
    return value.value_or(-32000);
}

double TNimboParser::ReadFloat() {
    ScanToken(TTerminators::Number);
    const std::optional<double> value = platform::TryStrToFloat(FTokenText);
    FNumberError = !value;
    return value.value_or(-32000.0);
}
