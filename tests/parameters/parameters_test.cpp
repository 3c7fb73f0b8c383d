#include "frame/parameters.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

struct TGetCase {
    const char* Params;
    const char* Name;
    bool Found;
    std::string Value;
};

TEST(Parameters, GetParameter) {
    const std::string longValue(300, 'v');
    const std::string longText = "Long=" + longValue;
    const std::vector<TGetCase> cases = {
        {"FileName= C:\\a.sch |FileType=DSN", "FileName", true, "C:\\a.sch"},
        {"FileName= C:\\a.sch |FileType=DSN", "FileType", true, "DSN"},
        {"FileName= C:\\a.sch |FileType=DSN", "filetype", true, "DSN"},
        {"Mode=0|mode=1", "MODE", true, "0"},
        {"A=x=y", "A", true, "x=y"},
        {"Flag|B=2", "B", true, "2"},
        {"Flag|B=2", "Flag", false, ""},
        {" Spaced Name \t=v", "spaced name", true, "v"},
        {"Name=", "Name", true, ""},
        {"Name=\t \r\n", "Name", true, ""},
        {"=orphan|X=1", "", false, ""},
        {"A=1||B=2|", "B", true, "2"},
        {"A=1", " a ", true, "1"},
        {"A=1", "B", false, ""},
        {"", "A", false, ""},
        {longText.c_str(), "Long", true, std::string(255, 'v')},
    };
    for (const TGetCase& c : cases) {
        std::string value = "stale";
        EXPECT_EQ(GetParameter(c.Params, c.Name, value), c.Found) << c.Params << " / " << c.Name;
        EXPECT_EQ(value, c.Value) << c.Params << " / " << c.Name;
    }
    std::string value = "stale";
    EXPECT_FALSE(GetParameter(nullptr, "A", value));
    EXPECT_EQ(value, "");
}

TEST(Parameters, CacheFollowsTheText) {
    // The same buffer changed in place must be parsed again.
    char buffer[] = "Kind=DSN";
    std::string value;
    ASSERT_TRUE(GetParameter(buffer, "Kind", value));
    EXPECT_EQ(value, "DSN");
    buffer[5] = 'L';
    buffer[6] = 'I';
    buffer[7] = 'B';
    ASSERT_TRUE(GetParameter(buffer, "Kind", value));
    EXPECT_EQ(value, "LIB");
    ClearParameterCache();
    ASSERT_TRUE(GetParameter(buffer, "kind", value));
    EXPECT_EQ(value, "LIB");
}

TEST(Parameters, CacheIsSafeAcrossThreads) {
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &failures] {
            const std::string text = "Id=" + std::to_string(t) + "|Other=x";
            std::string value;
            for (int i = 0; i < 2000; ++i) {
                if (!GetParameter(text.c_str(), "Id", value) || value != std::to_string(t)) {
                    ++failures[t];
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < 4; ++t) EXPECT_EQ(failures[t], 0) << t;
}

struct TEditCase {
    const char* Before;
    const char* Name;
    const char* Value;  // null: remove
    const char* After;
};

TEST(Parameters, SetAndRemoveRewriteTheText) {
    const std::vector<TEditCase> cases = {
        {"A=1|B=2", "b", " 3 ", "A=1|B=3"},
        {"A=1", "C", "x", "A=1|C=x"},
        {"", "C", "x", "C=x"},
        {"A=1", "E", "", "A=1|E= "},
        {"A=1|Flag|=z| B =2", "Z", "9", "A=1|B=2|Z=9"},
        {"A=1", "  ", "x", "A=1"},
        {"A=1|B=2|b=3", "B", nullptr, "A=1|b=3"},
        {"A=1", "missing", nullptr, "A=1"},
        {"A=x=y", "A", nullptr, ""},
    };
    for (const TEditCase& c : cases) {
        std::string params = c.Before;
        if (c.Value != nullptr) {
            SetParameter(params, c.Name, c.Value);
        } else {
            RemoveParameter(params, c.Name);
        }
        EXPECT_EQ(params, c.After) << c.Before << " / " << c.Name;
    }
}

TEST(Parameters, EmptyValueSurvivesTheRoundTrip) {
    std::string params = "FileName=a.sch";
    SetParameter(params, "Path", "");
    EXPECT_EQ(params, "FileName=a.sch|Path= ");
    std::string value = "stale";
    EXPECT_TRUE(GetParameter(params.c_str(), "Path", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(GetParameter(params.c_str(), "FileName", value));
    EXPECT_EQ(value, "a.sch");
}

TEST(Parameters, ParsedListKeepsValuesAsWritten) {
    const TParameterList list = TParameterList::Parse(" N1 = v1 |N2=|N3=a=b");
    ASSERT_EQ(list.Items().size(), 3u);
    EXPECT_EQ(list.Items()[0].Name, "N1");
    EXPECT_EQ(list.Items()[0].Value, " v1 ");
    EXPECT_FALSE(list.Items()[1].Value.has_value());
    EXPECT_EQ(list.Items()[2].Value, "a=b");
}

}  // namespace
