#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/dialog_driver.h"
#include "platform/dialogs_help.h"
#include "platform/dialogs_message_box.h"
#include "report/error_box.h"
#include "report/translation_status.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

class DialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDialogMode(TDialogMode::Scripted);
        ClearScriptedDialogs();
    }
};

struct TStatusCase {
    const char* Name;
    std::vector<int32_t> Keys;
    int32_t Result;
    bool Checked;
};

class StatusDialogTest : public DialogsTest, public ::testing::WithParamInterface<TStatusCase> {};

TEST_P(StatusDialogTest, KeysGiveTheirResults) {
    TTranslationStatus status;
    status.CheckBoxViewReport().Checked = true;
    ScriptDialogAnswer(GetParam().Keys);
    EXPECT_EQ(status.ShowModal(), GetParam().Result);
    EXPECT_EQ(status.CheckBoxViewReport().Checked, GetParam().Checked);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StatusDialogTest,
    ::testing::Values(TStatusCase{"Enter", {vkReturn}, mrOk, true},
                      TStatusCase{"SpaceOnClose", {vkSpace}, mrOk, true},
                      TStatusCase{"Escape", {vkEscape}, mrCancel, true},
                      TStatusCase{"EnterOnTheCheckBox", {vkTab, vkReturn}, mrOk, true},
                      TStatusCase{"UntickThenEscape", {vkTab, vkSpace, vkEscape}, mrCancel, false},
                      TStatusCase{"NoAnswerClosesWithClose", {}, mrOk, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DialogsTest, StatusDialogIsBuiltAsTheFormSays) {
    TTranslationStatus status;
    EXPECT_EQ(status.Form.Name, "TranslationStatus");
    EXPECT_EQ(status.Form.ClientWidth, 239);
    EXPECT_EQ(status.Form.ClientHeight, 100);
    const auto& ok = status.ButtonOK();
    EXPECT_EQ(ok.Caption, "&Close");
    EXPECT_TRUE(ok.IsDefault);
    EXPECT_EQ(std::make_tuple(ok.Left, ok.Top, ok.Width, ok.Height),
              std::make_tuple(155, 70, 75, 24));
    EXPECT_EQ(status.CheckBoxViewReport().Caption, "&View Report");
    status.Form.Activate();
    EXPECT_EQ(status.Form.Focused()->Name, "ButtonOK");
}

struct TLayoutCase {
    const char* Name;
    std::string Text;
    TMsgDlgType Kind;
    TMsgDlgButtons Buttons;
    int32_t Width, Height;
};

class MessageBoxLayoutTest : public DialogsTest,
                             public ::testing::WithParamInterface<TLayoutCase> {};

// Message font 6 x 13 pixels: margins 12 and 13, spacings 15 and 16, buttons 75 by 23, gap 6.
TEST_P(MessageBoxLayoutTest, ClientSizeFollowsTextIconAndButtons) {
    const auto& c = GetParam();
    TDialogForm form = CreateMessageDialog(c.Text, "C", c.Kind, c.Buttons, "", -1, -1, -1);
    EXPECT_EQ(form.ClientWidth, c.Width);
    EXPECT_EQ(form.ClientHeight, c.Height);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, MessageBoxLayoutTest,
    ::testing::Values(
        // icon 32 + 15 + 22 * 6 = 179, + 24; 23 + 32 + 16 + 26
        TLayoutCase{"ErrorBox", "Unexpected End Of File", TMsgDlgType::mtError, Buttons({mbOK}),
                    203, 97},
        // no icon: the button row (2 * 75 + 6 = 156) is wider than the text (12)
        TLayoutCase{"ButtonsWiderThanText", "Hi", TMsgDlgType::mtCustom, Buttons({mbYes, mbNo}),
                    180, 23 + 13 + 16 + 26},
        // 200 characters wrap at 512 pixels (85 characters): three lines of text
        TLayoutCase{"LongTextWraps", std::string(200, 'a'), TMsgDlgType::mtCustom, Buttons({mbOK}),
                    85 * 6 + 24, 23 + 3 * 13 + 16 + 26}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DialogsTest, AmpersandsShowAsWritten) {
    TDialogForm form = CreateMessageDialog("Tom & Jerry", "C", TMsgDlgType::mtError,
                                           Buttons({mbOK}), "", -1, -1, -1);
    EXPECT_EQ(DisplayCaption(form.Find("Message")->Caption), "Tom & Jerry");
    EXPECT_EQ(form.Find("Message")->Width, 11 * 6);
}

TEST_F(DialogsTest, DefaultAndCancelButtonsFollowTheButtonSet) {
    struct TCase {
        TMsgDlgButtons Buttons;
        int32_t Enter, Escape;
    };
    for (const TCase& c :
         {TCase{Buttons({mbYes, mbNo}), mrYes, mrNo},
          TCase{Buttons({mbOK, mbCancel}), mrOk, mrCancel}, TCase{Buttons({mbOK}), mrOk, mrOk},
          TCase{Buttons({mbAbort, mbRetry, mbIgnore}), mrRetry, mrNone}}) {
        for (int32_t key : {int32_t(vkReturn), int32_t(vkEscape)}) {
            TDialogForm form =
                CreateMessageDialog("t", "C", TMsgDlgType::mtWarning, c.Buttons, "", -1, -1, -1);
            form.Activate();
            form.KeyDown(key);
            EXPECT_EQ(form.ModalResult, key == vkReturn ? c.Enter : c.Escape) << c.Buttons;
        }
    }
}

TEST_F(DialogsTest, ErrorBoxHasItsCaptionAndOneButton) {
    ShowErrorBox("Unexpected End Of File");
    ASSERT_EQ(ScriptedDialogs().size(), 1u);
    EXPECT_EQ(ScriptedDialogs()[0].Text,
              "[Lumivex Error]\nUnexpected End Of File\n<OK> (default)\n");
    EXPECT_EQ(ScriptedDialogs()[0].Result, mrOk);
}

TEST_F(DialogsTest, ConfirmAbortAnswersYesOrNo) {
    ScriptDialogAnswer({vkEscape});
    EXPECT_FALSE(ConfirmYesNo("Confirm Abort"));
    ScriptDialogAnswer({vkReturn});
    EXPECT_TRUE(ConfirmYesNo("Confirm Abort"));
    EXPECT_EQ(ScriptedDialogs()[0].Caption, "Confirm");
}

TEST_F(DialogsTest, BatchModeClosesWithTheDefaultResultAtOnce) {
    SetDialogMode(TDialogMode::Batch);
    TTranslationStatus status;
    testing::internal::CaptureStderr();
    EXPECT_EQ(status.ShowModal(), mrOk);
    std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("ZORVAN Schematic Translator"), std::string::npos);
    EXPECT_NE(printed.find("View Report"), std::string::npos);
}

TEST(HelpIndexTest, FormKeyIsLookedUpAndFallsBackToTheMasterPopup) {
    fs::path index = fs::temp_directory_path() / ("help_" + std::to_string(::getpid()) + ".id");
    std::ofstream(index) << "Dlg_Other=5\r\ndlg_translationstatus=42\r\nDlg_Ref=Text,Other\r\n";
    THelpIndex help(index.string());
    THelpRequest found = ResolveFormHelp("TranslationStatus", help, "m.hlp", "master.hlp");
    EXPECT_EQ(found.File, "m.hlp");
    EXPECT_EQ(found.Context, 42);
    EXPECT_FALSE(found.Popup);
    for (const char* form : {"Missing", "Ref"}) {
        THelpRequest fallback = ResolveFormHelp(form, help, "m.hlp", "master.hlp");
        EXPECT_EQ(fallback.File, "master.hlp");
        EXPECT_EQ(fallback.Context, 1);
        EXPECT_TRUE(fallback.Popup);
    }
    fs::remove(index);
    THelpIndex missing("/nonexistent/x.id");
    EXPECT_FALSE(missing.Find("Dlg_TranslationStatus"));
}

}  // namespace
