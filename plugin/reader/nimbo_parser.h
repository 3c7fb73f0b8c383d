// The tokenizer of the ZORVAN ASCII format: turns one file into parentheses, quoted strings
// and words, the words that are keywords coming back as their keyword id.
//
// Character classes (single bytes):
// - blank: the space only (a tab is not blank);
// - line end: carriage return; a line feed counts only right after one, otherwise it is an
//   ordinary terminator character;
// - word characters: ! # $ % ' - . / 0-9 ? A-Z a-z _ and the codes 0 and 128-255; every other
//   code 1-127 ends a word;
// - number characters (ReadInteger/ReadFloat): + , - . 0-9 A-Z a-z and the codes 0 and
//   128-255; so "/", "_", "!" and "?" end a number although they belong to words.
//
// Quoted strings: the text between the quotes, escapes resolved (\" quote, \\ backslash,
// \f \n \r, \t a vertical tab; any other escaped character is dropped with its backslash), cut
// to 255 bytes. A quote escaped by a backslash belongs to the string; a backslash escaped by
// another one escapes nothing, so "R:\\" is the text R:\ and the quote after it closes it.
//
// Keywords are compared without regard to ASCII letter case; the lookup goes through a hash
// index over the sorted table (a number never costs more than a glance at its first byte).
//
// End of file:
// - Eof() is set as soon as the last byte has been read, not on an attempt to read past it.
//   When the reader steps back (after a word that ends at a parenthesis, or after a run of line
//   ends) the stepped-over byte is unread again, and Eof() goes back to false, so the final
//   ")" of a file written "...)" right after a word, or the first word of a last line, is still
//   delivered.
// - A quoted string that the file ends inside yields tokString with the text read so far.
// - PeekChar() at end of file (nothing left but blanks) returns kPeekEof ('\0'): neither a
//   carriage return nor a unit letter.
// - NextToken() once everything has been read yields the empty word (id 0) with an empty text.
//
// The abort poll: every kAbortPollInterval bytes the tokenizer looks at the platform's abort
// flag (platform/abort_poll.h); when it is up it lowers it and asks "Confirm Abort"; Yes sets
// Aborted(). No system call is made per byte.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_stream.h"

inline constexpr int32_t tokOpen = 10000;
inline constexpr int32_t tokClose = 10001;
inline constexpr int32_t tokString = 10002;
inline constexpr int32_t tokUnknown = -1;
// A terminator character met where a word should start (a tab, a lone line feed, a comma).
inline constexpr int32_t tokEmptyWord = 0;

// One registration in the keyword table.
struct TKeywordInfo {
    int32_t Id = 0;  // 1 .. 9999
};

class TNimboParser : public platform::TFileStream {
  public:
    static constexpr size_t kMaxTokenLength = 255;
    static constexpr char kPeekEof = '\0';
    static constexpr uint32_t kAbortPollInterval = 4096;

    // Opens fileName read-only; throws platform::EFOpenError when it cannot.
    // blockSize is the size of the stream's block reads (small values are for tests).
    explicit TNimboParser(const std::string& fileName,
                          size_t blockSize = platform::TFileStream::kDefaultBlockSize);

    // Adds a keyword (compared without regard to letter case). A keyword already in the
    // table is ignored: the first registration wins.
    void AddKeyword(std::string_view name, TKeywordInfo info);
    // Id of the keyword equal to word without regard to case, or tokUnknown.
    int32_t FindKeyword(std::string_view word) const;

    // Reads the next token and returns its id: tokOpen, tokClose, tokString, a keyword id,
    // tokUnknown for any other word, 0 for the empty word.
    int32_t NextToken();
    // Text of the last word or quoted string (unescaped), at most 255 bytes; parentheses
    // leave it unchanged.
    const std::string& TokenText() const { return FTokenText; }
    // Id of the last token.
    int32_t TokenId() const { return FTokenId; }

    // Reads the next token with the number terminators and converts it; -32000 and
    // NumberError() when the text is not a 32-bit integer.
    int32_t ReadInteger();
    // The same for a real number ("." is the decimal point); -32000.0 on failure.
    double ReadFloat();

    // The next non-blank byte, consuming nothing (kPeekEof at end of file).
    char PeekChar();
    // Passes the rest of the current line and every line end after it.
    void SkipLine();
    // Back to the start of the file; clears Eof. Text, id and keywords stay.
    void Rewind();

    bool Eof() const { return FEof; }
    bool Aborted() const { return FAborted; }
    bool NumberError() const { return FNumberError; }

  private:
    enum class TTerminators { Word, Number };

    char ReadChar();
    void StepBack();
    bool NextIsLineEnd() { return PeekChar() == '\r'; }
    bool NextIsBlank();
    void PollAbort();
    int32_t ScanToken(TTerminators terminators);
    int32_t ScanString();
    void ScanWord(char first, TTerminators terminators);
    void BuildKeywordIndex() const;
    void Consumed(size_t n, uint8_t last);
    void SkipBlankRun();
    static void AppendCut(std::string& text, std::span<const uint8_t> bytes);

    struct TKeyword {
        std::string Folded;  // upper case
        TKeywordInfo Info;
    };

    char FCurrentChar = ' ';
    bool FEof = false;
    bool FAborted = false;
    bool FNumberError = false;
    std::string FTokenText;
    int32_t FTokenId = tokUnknown;
    std::vector<TKeyword> FKeywords;  // sorted by Folded
    size_t FLongestKeyword = 0;
    std::array<bool, 256> FKeywordStarts{};  // upper-cased first bytes of the keywords
    mutable std::vector<int32_t> FSlots;     // hash index into FKeywords, -1 = free
    mutable size_t FSlotMask = 0;
    uint32_t FPollCountdown = kAbortPollInterval;
    std::string FScratch;  // raw text of a quoted string
};
