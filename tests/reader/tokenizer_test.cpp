#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "temp_file.h"

namespace {

struct TTok {
    int32_t Id;
    std::string Text;  // ignored for parentheses

    friend bool operator==(const TTok& a, const TTok& b) {
        if (a.Id != b.Id) return false;
        return a.Id == tokOpen || a.Id == tokClose || a.Text == b.Text;
    }
    friend std::ostream& operator<<(std::ostream& out, const TTok& t) {
        return out << "{" << t.Id << ", \"" << t.Text << "\"}";
    }
};

const TTok kOpen{tokOpen, ""};
const TTok kClose{tokClose, ""};
TTok Word(std::string text) {
    return {tokUnknown, std::move(text)};
}
TTok Str(std::string text) {
    return {tokString, std::move(text)};
}
TTok Empty() {
    return {tokEmptyWord, ""};
}

// Tokens up to and including the one that sets Eof (at most 1000).
std::vector<TTok> Tokenize(const std::string& path, size_t blockSize) {
    TNimboParser parser(path, blockSize);
    RegisterKeywords(parser);
    std::vector<TTok> tokens;
    while (!parser.Eof() && tokens.size() < 1000) {
        const int32_t id = parser.NextToken();
        EXPECT_EQ(id, parser.TokenId());
        tokens.push_back({id, parser.TokenText()});
    }
    return tokens;
}

// Small blocks put block boundaries inside words, line-end runs and look-aheads.
const size_t kBlockSizes[] = {TNimboParser::kDefaultBlockSize, 1, 2, 3, 5, 64};

struct TTokenCase {
    const char* Name;
    std::string Input;
    std::vector<TTok> Expected;
};

std::string Repeat(char c, size_t n) {
    return std::string(n, c);
}

TEST(Tokenizer, TokenStreams) {
    const std::string long300 = Repeat('q', 300);
    const std::vector<TTokenCase> cases = {
        {"keyword after parenthesis, any case",
         "(asciiHeader ASCIIHEADER asciiheader)",
         {kOpen,
          {kw::asciiHeader, "asciiHeader"},
          {kw::asciiHeader, "ASCIIHEADER"},
          {kw::asciiHeader, "asciiheader"},
          kClose}},
        {"parenthesis right after a word is the next token",
         "(a 100)",
         {kOpen, Word("a"), Word("100"), kClose}},
        {"comma ends a word and is consumed", "abc,def ", {Word("abc"), Word("def")}},
        {"tab before a word is the empty word", "\tabc ", {Empty(), Word("abc")}},
        {"CR LF runs pass in one go", "a\r\n\r\n  \r\n   b\r\n", {Word("a"), Word("b"), Empty()}},
        {"control character 20 inside a line-end run", "a\r\n\x14\r\nb ", {Word("a"), Word("b")}},
        {"line feed after a word ends it", "a\nb ", {Word("a"), Word("b")}},
        {"lone line feed where a token starts", "a \nb ", {Word("a"), Empty(), Word("b")}},
        {"line end inside a word's run", "ab\r\ncd)", {Word("ab"), Word("cd"), kClose}},
        {"stray quote after a word ends it", "ab\"c\" ", {Word("ab"), Word("c"), Empty()}},
        {"word characters", "#a$b%c'd-e.f/g?h_i!j ", {Word("#a$b%c'd-e.f/g?h_i!j")}},
        {"terminators inside words",
         "a+b;c:d=e\\f&g*h ",
         {Word("a"), Word("b"), Word("c"), Word("d"), Word("e"), Word("f"), Word("g"), Word("h")}},
        {"high bytes and NUL are word characters",
         std::string("\xC0\xFF\0z ", 5),
         {Word(std::string("\xC0\xFF\0z", 4))}},
        {"escaped quote", "\"a\\\"b\")", {Str("a\"b"), kClose}},
        {"backslash t is a vertical tab", "\"x\\ty\")", {Str("x\vy"), kClose}},
        {"unknown escape drops both", "\"x\\qy\")", {Str("xy"), kClose}},
        {"escape letters in both cases",
         "\"\\f\\F\\n\\N\\r\\R\\T\")",
         {Str("\f\f\n\n\r\r\v"), kClose}},
        // An escaped backslash escapes nothing: the quote after it closes the string.
        {"escaped backslash before the closing quote",
         "\"R:\\\\\" b)",
         {Str("R:\\"), Word("b"), kClose}},
        {"odd run of backslashes escapes the quote", "\"a\\\\\\\"b\")", {Str("a\\\"b"), kClose}},
        {"300-character string keeps 255 and the next token reads",
         "(\"" + long300 + "\" next)",
         {kOpen, Str(Repeat('q', 255)), Word("next"), kClose}},
        {"300-character word keeps 255",
         "(" + long300 + ")",
         {kOpen, Word(Repeat('q', 255)), kClose}},
        {"string holding a line end", "\"a\r\nb\")", {Str("a\r\nb"), kClose}},
        {"file ends inside a string", "(\"abc", {kOpen, Str("abc")}},
        {"file ends right after an opening quote", "a \"", {Word("a"), Str("")}},
        {"last character is a closing parenthesis",
         "(a b )",
         {kOpen, Word("a"), Word("b"), kClose}},
        {"last character is a parenthesis right after a word",
         "(a b)",
         {kOpen, Word("a"), Word("b"), kClose}},
        {"last line has no line end", "(a)\r\n\r\nlast", {kOpen, Word("a"), kClose, Word("last")}},
        {"file ends in blanks", "a   ", {Word("a"), Empty()}},
        {"file ends in a line end", "a\r\n", {Word("a"), Empty()}},
        {"file ends in a carriage return", "a\r", {Word("a"), Empty()}},
        {"file ends in a run of line ends", "(a)\r\n\r", {kOpen, Word("a"), kClose, Empty()}},
        {"file ends in control character 20", "a\r\x14", {Word("a"), Empty()}},
        {"empty file", "", {Empty()}},
        {"unknown words and non-keywords",
         "fontTypes True False Stroke mm mil ",
         {Word("fontTypes"), Word("True"), Word("False"), Word("Stroke"), Word("mm"), Word("mil")}},
        {"magic words share one id",
         "NIMBO_ASCII ferrinpro_ascii ",
         {{kw::NIMBO_ASCII, "NIMBO_ASCII"}, {kw::FerrinPRO_ASCII, "ferrinpro_ascii"}}},
    };
    for (const TTokenCase& c : cases) {
        TTempFile file(c.Input);
        for (size_t blockSize : kBlockSizes) {
            EXPECT_EQ(Tokenize(file.Path(), blockSize), c.Expected)
                << c.Name << " (block size " << blockSize << ")";
        }
    }
}

// Block boundaries must not show: random texts over the bytes that matter give the same tokens
// (and numbers) with blocks of one byte as with large blocks.
TEST(Tokenizer, BlockSizeDoesNotChangeTheTokens) {
    const std::string alphabet = "  \r\n\t\"\\()ab1.,-xmM";
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 60)(random);
        for (int i = 0; i < length; ++i) {
            text += alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        }
        TTempFile file(text);
        auto run = [&](size_t blockSize) {
            TNimboParser parser(file.Path(), blockSize);
            std::vector<std::string> seen;
            for (int i = 0; !parser.Eof() && i < 200; ++i) {
                const int32_t id = (i % 3 == 2) ? parser.ReadInteger() : parser.NextToken();
                seen.push_back(std::to_string(id) + ":" + parser.TokenText() + ":" +
                               std::to_string(parser.Position()) + parser.PeekChar());
            }
            return seen;
        };
        ASSERT_EQ(run(1), run(TNimboParser::kDefaultBlockSize)) << "text: " << text;
        ASSERT_EQ(run(3), run(TNimboParser::kDefaultBlockSize)) << "text: " << text;
    }
}

TEST(Tokenizer, TextIsKeptAcrossParenthesesAndIdFollowsTheToken) {
    TTempFile file("word \"str\" ( ) ");
    TNimboParser parser(file.Path());
    EXPECT_EQ(parser.TokenId(), tokUnknown);
    EXPECT_EQ(parser.TokenText(), "");
    parser.NextToken();
    parser.NextToken();
    EXPECT_EQ(parser.TokenId(), tokString);
    EXPECT_EQ(parser.NextToken(), tokOpen);
    EXPECT_EQ(parser.TokenText(), "str");
    EXPECT_EQ(parser.NextToken(), tokClose);
    EXPECT_EQ(parser.TokenId(), tokClose);
    EXPECT_EQ(parser.TokenText(), "str");
}

TEST(Tokenizer, EofIsSetWithTheLastCharacter) {
    TTempFile file("(a))");
    TNimboParser parser(file.Path());
    parser.NextToken();
    parser.NextToken();
    EXPECT_EQ(parser.NextToken(), tokClose);
    EXPECT_FALSE(parser.Eof());
    EXPECT_EQ(parser.NextToken(), tokClose);
    EXPECT_TRUE(parser.Eof());
    // Past the end: the empty word, Eof stays.
    EXPECT_EQ(parser.NextToken(), tokEmptyWord);
    EXPECT_EQ(parser.TokenText(), "");
    EXPECT_TRUE(parser.Eof());
}

TEST(Tokenizer, PeekCharLooksPastBlanksWithoutConsuming) {
    for (size_t blockSize : kBlockSizes) {
        TTempFile file("a    mm   ");
        TNimboParser parser(file.Path(), blockSize);
        parser.NextToken();  // "a" and the blank after it
        EXPECT_EQ(parser.PeekChar(), 'm');
        EXPECT_EQ(parser.PeekChar(), 'm');
        EXPECT_EQ(parser.NextToken(), tokUnknown);
        EXPECT_EQ(parser.TokenText(), "mm");
        EXPECT_EQ(parser.PeekChar(), TNimboParser::kPeekEof) << blockSize;
        EXPECT_FALSE(parser.Eof());
        EXPECT_EQ(parser.NextToken(), tokEmptyWord);
        EXPECT_TRUE(parser.Eof());
    }
}

TEST(Tokenizer, SkipLinePassesTheRestOfTheLineAndAllLineEnds) {
    for (size_t blockSize : kBlockSizes) {
        TTempFile file("abc def ghi\r\n\r\n\r\nxyz ");
        TNimboParser parser(file.Path(), blockSize);
        parser.NextToken();
        parser.SkipLine();
        EXPECT_EQ(parser.NextToken(), tokUnknown);
        EXPECT_EQ(parser.TokenText(), "xyz") << blockSize;
    }
}

TEST(Tokenizer, RewindStartsOverKeepingTextAndKeywords) {
    TTempFile file("(asciiHeader x)");
    TNimboParser parser(file.Path(), 2);
    RegisterKeywords(parser);
    while (!parser.Eof()) parser.NextToken();
    parser.Rewind();
    EXPECT_FALSE(parser.Eof());
    EXPECT_EQ(parser.TokenId(), tokClose);
    EXPECT_EQ(parser.TokenText(), "x");
    EXPECT_EQ(parser.NextToken(), tokOpen);
    EXPECT_EQ(parser.NextToken(), kw::asciiHeader);
}

TEST(Tokenizer, MissingFileRaisesTheOpenError) {
    EXPECT_THROW(TNimboParser("/nonexistent/folder/file.sch"), platform::EFOpenError);
    EXPECT_THROW(TNimboParser("/nonexistent/folder/file.sch"), std::runtime_error);
}

struct TIntegerCase {
    std::string Input;
    int32_t Value;
    bool Error;
};

TEST(Tokenizer, ReadInteger) {
    const std::vector<TIntegerCase> cases = {
        {"12 ", 12, false},
        {"-5 ", -5, false},
        {"+7 ", 7, false},
        {"\"12\" ", 12, false},
        {"0x1F ", 31, false},
        {"X10 ", 16, false},
        {"0xFFFFFFFF ", -1, false},
        {"2147483647 ", 2147483647, false},
        {"-2147483648 ", INT32_MIN, false},
        {"2147483648 ", -32000, true},
        {"99999999999999999999999 ", -32000, true},
        {"0x100000000 ", -32000, true},
        {"12abc ", -32000, true},
        {"1.5 ", -32000, true},
        {"1,5 ", -32000, true},
        {"- ", -32000, true},
        {"\t", -32000, true},  // the empty word
        {"12/3 ", 12, false},  // "/" ends a number
        {"7)", 7, false},
    };
    for (const TIntegerCase& c : cases) {
        TTempFile file(c.Input);
        TNimboParser parser(file.Path());
        EXPECT_EQ(parser.ReadInteger(), c.Value) << c.Input;
        EXPECT_EQ(parser.NumberError(), c.Error) << c.Input;
    }
}

struct TFloatCase {
    std::string Input;
    double Value;
    bool Error;
};

TEST(Tokenizer, ReadFloat) {
    const std::vector<TFloatCase> cases = {
        {"1.5e3 ", 1500.0, false},  {"-0.25 ", -0.25, false},   {"+2 ", 2.0, false},
        {".5 ", 0.5, false},        {"5. ", 5.0, false},        {"1E-2 ", 0.01, false},
        {"\"3.75\" ", 3.75, false}, {"1e-999 ", 0.0, false},  // too small reads as zero
        {"1,5 ", -32000.0, true},   {"1e999 ", -32000.0, true}, {"1e ", -32000.0, true},
        {"inf ", -32000.0, true},   {"nan ", -32000.0, true},   {"0x10 ", -32000.0, true},
        {"abc ", -32000.0, true},   {"1.5_2 ", 1.5, false},  // "_" ends a number
    };
    for (const TFloatCase& c : cases) {
        TTempFile file(c.Input);
        TNimboParser parser(file.Path());
        EXPECT_DOUBLE_EQ(parser.ReadFloat(), c.Value) << c.Input;
        EXPECT_EQ(parser.NumberError(), c.Error) << c.Input;
    }
}

TEST(Tokenizer, NumberErrorFollowsTheLastRead) {
    TTempFile file("x 4 ");
    TNimboParser parser(file.Path());
    parser.ReadInteger();
    EXPECT_TRUE(parser.NumberError());
    EXPECT_EQ(parser.ReadInteger(), 4);
    EXPECT_FALSE(parser.NumberError());
}

}  // namespace
