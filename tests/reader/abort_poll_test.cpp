#include "platform/abort_poll.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "reader/nimbo_parser.h"
#include "temp_file.h"

namespace {

// Reads a file of many words with the abort flag raised before the first token and the
// question answering `answer` (or no question at all).
class AbortPoll : public ::testing::Test {
  protected:
    void TearDown() override {
        platform::SetAbortQuestion(nullptr);
        platform::TakeAbortRequest();
    }

    struct TRun {
        int Tokens = 0;
        bool Aborted = false;
        bool Eof = false;
    };

    static TRun ReadAll(const std::string& path) {
        TNimboParser parser(path);
        TRun run;
        while (!parser.Eof() && !parser.Aborted()) {
            parser.NextToken();
            ++run.Tokens;
        }
        run.Aborted = parser.Aborted();
        run.Eof = parser.Eof();
        return run;
    }

    std::string FText = [] {
        std::string text;
        for (int i = 0; i < 5000; ++i) text += "(word " + std::to_string(i) + ")\r\n";
        return text;
    }();
};

TEST_F(AbortPoll, YesStopsTheReadAndTheFlagIsTakenDown) {
    TTempFile file(FText);
    int asked = 0;
    platform::SetAbortQuestion([&] {
        ++asked;
        return true;
    });
    platform::RequestAbort();
    const TRun run = ReadAll(file.Path());
    EXPECT_TRUE(run.Aborted);
    EXPECT_FALSE(run.Eof);
    EXPECT_EQ(asked, 1);
    EXPECT_LT(run.Tokens, 5000);
    EXPECT_FALSE(platform::AbortRequested());
}

TEST_F(AbortPoll, NoOrNoQuestionLeavesTheReadUnchanged) {
    TTempFile file(FText);
    const TRun undisturbed = ReadAll(file.Path());
    EXPECT_GE(undisturbed.Tokens, 5000 * 4);

    int asked = 0;
    platform::SetAbortQuestion([&] {
        ++asked;
        return false;
    });
    platform::RequestAbort();
    const TRun answeredNo = ReadAll(file.Path());
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(answeredNo.Aborted);
    EXPECT_EQ(answeredNo.Tokens, undisturbed.Tokens);

    platform::SetAbortQuestion(nullptr);
    platform::RequestAbort();
    EXPECT_FALSE(platform::AskAbortQuestion());
    const TRun unanswered = ReadAll(file.Path());
    EXPECT_FALSE(unanswered.Aborted);
    EXPECT_EQ(unanswered.Tokens, undisturbed.Tokens);
    EXPECT_FALSE(platform::AbortRequested());
}

TEST_F(AbortPoll, SigintRaisesTheFlagWhileTheGuardLives) {
    {
        platform::TAbortSignalGuard guard;
        std::raise(SIGINT);
        EXPECT_TRUE(platform::TakeAbortRequest());
    }
    EXPECT_FALSE(platform::AbortRequested());
}

}  // namespace
