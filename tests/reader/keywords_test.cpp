#include "reader/keywords.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "reader/nimbo_parser.h"
#include "temp_file.h"

namespace {

class KeywordTable : public ::testing::Test {
  protected:
    TTempFile FFile{""};
    TNimboParser FParser{FFile.Path()};
    void SetUp() override { RegisterKeywords(FParser); }
};

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

TEST_F(KeywordTable, EveryKeywordIsFoundInAnyCaseUnderItsOwnId) {
    const auto all = kw::AllKeywords();
    ASSERT_EQ(all.size(), 556u);
    std::set<int32_t> ids;
    for (const kw::TKeywordEntry& entry : all) {
        const std::string text(entry.Text);
        EXPECT_EQ(FParser.FindKeyword(text), entry.Id) << text;
        EXPECT_EQ(FParser.FindKeyword(Lower(text)), entry.Id) << text;
        EXPECT_EQ(FParser.FindKeyword(Upper(text)), entry.Id) << text;
        EXPECT_GE(entry.Id, 1);
        EXPECT_LE(entry.Id, 9999);
        ids.insert(entry.Id);
    }
    EXPECT_EQ(ids.size(), 555u);  // the two magic words share one id
    EXPECT_EQ(static_cast<int32_t>(ids.size()), kw::kCount);
}

TEST_F(KeywordTable, NamedConstantsMatchTheirStrings) {
    EXPECT_EQ(FParser.FindKeyword("compDef"), kw::compDef);
    EXPECT_EQ(FParser.FindKeyword("PT"), kw::pt);
    EXPECT_EQ(FParser.FindKeyword("isflipped"), kw::isFlipped);
    EXPECT_EQ(FParser.FindKeyword("planeObj"), kw::planeObj);  // out of alphabetical order
    EXPECT_EQ(FParser.FindKeyword("nImBo_AsCiI"), kw::kFileMagic);
    EXPECT_EQ(FParser.FindKeyword("FERRINpro_ascii"), kw::kFileMagic);
}

TEST_F(KeywordTable, NearMissesAndFormatWordsAreUnknown) {
    for (const char* word : {"fontTypes", "fontTyp", "True", "False", "Stroke", "mm", "mil", "in",
                             "", "zzz", "AAA", "NIMBO_ASCII2"}) {
        EXPECT_EQ(FParser.FindKeyword(word), tokUnknown) << word;
    }
}

TEST_F(KeywordTable, FirstRegistrationWins) {
    FParser.AddKeyword("FONTTYPE", TKeywordInfo{9999});
    FParser.AddKeyword("brandNewWord", TKeywordInfo{9998});
    FParser.AddKeyword("BRANDNEWWORD", TKeywordInfo{9997});
    EXPECT_EQ(FParser.FindKeyword("fontType"), kw::fontType);
    EXPECT_EQ(FParser.FindKeyword("brandnewword"), 9998);
}

}  // namespace
