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

// A hash of the upper-cased word from its length and three of its bytes: cheap for every word,
// and enough to spread the keywords (the index resolves collisions).
size_t FoldedHash(std::string_view text) {
    const size_t n = text.size();
    if (n == 0) return 0;
    uint32_t h = static_cast<uint32_t>(n);
    h = h * 131 + static_cast<unsigned char>(ToUpperAscii(text[0]));
    h = h * 131 + static_cast<unsigned char>(ToUpperAscii(text[n / 2]));
    h = h * 131 + static_cast<unsigned char>(ToUpperAscii(text[n - 1]));
    h = h * 131 + static_cast<unsigned char>(ToUpperAscii(text[(n * 3) / 4]));
    return (h * 0x9E3779B1u) >> 12;
}

// Whether an upper-case keyword equals a word without regard to letter case.
bool EqualFolded(std::string_view folded, std::string_view word) {
    if (folded.size() != word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
        if (folded[i] != ToUpperAscii(word[i])) return false;
    }
    return true;
}

// Resolves the escapes of a quoted string's raw text.
void Unescape(std::string_view raw, std::string& out) {
    out.clear();
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
    FLongestKeyword = std::max(FLongestKeyword, folded.size());
    if (!folded.empty()) FKeywordStarts[static_cast<unsigned char>(folded.front())] = true;
    FKeywords.insert(at, TKeyword{std::move(folded), info});
    FSlots.clear();  // rebuilt at the next lookup
}

int32_t TNimboParser::FindKeyword(std::string_view word) const {
    // Numbers, the commonest words, fail here at once.
    if (word.empty() || word.size() > FLongestKeyword ||
        !FKeywordStarts[static_cast<unsigned char>(ToUpperAscii(word.front()))]) {
        return tokUnknown;
    }
    if (FSlots.empty() && !FKeywords.empty()) BuildKeywordIndex();
    if (FSlots.empty()) return tokUnknown;
    for (size_t slot = FoldedHash(word) & FSlotMask;; slot = (slot + 1) & FSlotMask) {
        const int32_t entry = FSlots[slot];
        if (entry < 0) return tokUnknown;
        const TKeyword& keyword = FKeywords[static_cast<size_t>(entry)];
        if (EqualFolded(keyword.Folded, word)) return keyword.Info.Id;
    }
}

// An open-addressing index over the sorted table, at most a quarter full, so that a lookup
// costs one hash of the word and about one comparison.
void TNimboParser::BuildKeywordIndex() const {
    size_t size = 16;
    while (size < FKeywords.size() * 4) size *= 2;
    FSlots.assign(size, -1);
    FSlotMask = size - 1;
    for (size_t i = 0; i < FKeywords.size(); ++i) {
        size_t slot = FoldedHash(FKeywords[i].Folded) & FSlotMask;
        while (FSlots[slot] >= 0) slot = (slot + 1) & FSlotMask;
        FSlots[slot] = static_cast<int32_t>(i);
    }
}

void TNimboParser::PollAbort() {
    FPollCountdown = kAbortPollInterval;
    if (platform::TakeAbortRequest() && platform::AskAbortQuestion()) FAborted = true;
}

inline char TNimboParser::ReadChar() {
    if (--FPollCountdown == 0) PollAbort();
    uint8_t byte;
    if (ReadByte(byte)) FCurrentChar = static_cast<char>(byte);
    FEof = Position() >= Size();
    return FCurrentChar;
}

// NextIsLineEnd when the next byte is a blank needs a scan ahead; the callers that only
// consume blanks or stop at them take the blank with ReadChar instead, which ends in the same
// state: the blanks are passed either way and the line end is met right after them.
inline bool TNimboParser::NextIsBlank() {
    uint8_t next;
    return PeekByte(next) && next == ' ';
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

namespace {
bool IsLineEndRun(char c) {
    return c == '\r' || c == '\n' || c == 20;
}
}  // namespace

// Passes the rest of the line and the run of line ends after it, then gives back the first
// character of the next line. When the file ends inside the run there is nothing to give
// back: stepping back there would hand the last line end out again and again.
void TNimboParser::SkipLine() {
    while (FCurrentChar != '\r' && FCurrentChar != '\n' && !FEof) ReadChar();
    const bool lineEndFound = FCurrentChar == '\r' || FCurrentChar == '\n';
    while (IsLineEndRun(FCurrentChar) && !FEof) ReadChar();
    if (lineEndFound && !IsLineEndRun(FCurrentChar)) StepBack();
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
        if (NextIsBlank()) {
            SkipBlankRun();
        } else if (NextIsLineEnd()) {
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

// Reads the run of blanks ahead in one go (as one ReadChar per blank would).
void TNimboParser::SkipBlankRun() {
    for (;;) {
        const std::span<const uint8_t> bytes = Buffered();
        size_t run = 0;
        while (run < bytes.size() && bytes[run] == ' ') ++run;
        if (run == 0) return;
        Consumed(run, ' ');
        if (run < bytes.size()) return;
    }
}

// Books n bytes consumed in place (as n ReadChar calls would): the current character, Eof and
// the abort poll.
void TNimboParser::Consumed(size_t n, uint8_t last) {
    Skip(n);
    FCurrentChar = static_cast<char>(last);
    FEof = Position() >= Size();
    if (n >= FPollCountdown) {
        PollAbort();
    } else {
        FPollCountdown -= static_cast<uint32_t>(n);
    }
}

inline void TNimboParser::AppendCut(std::string& text, std::span<const uint8_t> bytes) {
    const size_t room = kMaxTokenLength - std::min(text.size(), kMaxTokenLength);
    const size_t n = std::min(room, bytes.size());
    text.append(reinterpret_cast<const char*>(bytes.data()), n);
}

// The opening quote has been read. Reads up to and including the closing quote: a quote that
// a backslash escapes belongs to the string, and a backslash escaped by another backslash
// escapes nothing, as Unescape reads them (so "R:\\" is the text R:\ and ends at its quote).
// The file may end inside the string.
int32_t TNimboParser::ScanString() {
    FScratch.clear();
    bool escaped = false;  // the byte before was an escaping backslash
    bool closed = FEof;    // an opening quote that was the file's last byte opens an empty string
    while (!closed) {
        const std::span<const uint8_t> bytes = Buffered();
        if (bytes.empty()) break;
        size_t i = 0;
        for (; i < bytes.size(); ++i) {
            if (escaped) {
                escaped = false;
            } else if (bytes[i] == '\\') {
                escaped = true;
            } else if (bytes[i] == '"') {
                closed = true;
                break;
            }
        }
        AppendCut(FScratch, bytes.first(i));
        const size_t used = closed ? i + 1 : i;  // the closing quote is consumed
        Consumed(used, bytes[used - 1]);
    }
    Unescape(FScratch, FTokenText);
    return tokString;
}

// `c` is the word's first byte, already read. A word runs up to a terminator; a line end
// after it is left for the next token, a parenthesis is given back to become the next token,
// any other terminator is consumed.
void TNimboParser::ScanWord(char c, TTerminators terminators) {
    const std::array<bool, 256>& ends =
        terminators == TTerminators::Word ? kWordTerminators : kNumberTerminators;
    auto isTerminator = [&ends](uint8_t ch) { return ends[ch]; };

    FTokenText.clear();
    if (isTerminator(static_cast<uint8_t>(c))) return;  // the empty word; c is consumed
    FTokenText.push_back(c);
    if (FEof) return;

    // The run of word bytes that follows, block by block.
    for (;;) {
        const std::span<const uint8_t> bytes = Buffered();
        if (bytes.empty()) return;
        size_t run = 0;
        while (run < bytes.size() && !isTerminator(bytes[run])) ++run;
        if (run > 0) {
            AppendCut(FTokenText, bytes.first(run));
            Consumed(run, bytes[run - 1]);
            if (FEof) return;  // the word ends the file
        }
        if (run < bytes.size()) break;
    }

    // The terminator after the word.
    if (NextIsBlank()) {
        ReadChar();
    } else if (!NextIsLineEnd()) {
        const char end = ReadChar();
        if (end == '(' || end == ')') StepBack();
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
