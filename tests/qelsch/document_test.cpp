// Documents: creation by kind, the current document, names and the option records.
#include "editor_fixture.h"

namespace {

class DocumentTest : public EditorTest {};

// All 33 values of SchAPI_QueryDocumentOptions, in their exchange order.
struct OptionsRecord {
    uint8_t b[5] = {};
    int32_t l1 = 0;
    uint8_t pb[4] = {};
    int32_t pl[4] = {};
    uint8_t sheetStyle = 0, useCustom = 0;
    int32_t customX = 0, customY = 0, l2 = 0, l3 = 0, l4 = 0, l5 = 0, l6 = 0, l7 = 0;
    std::array<TextBuffer, 9> t;
    int32_t Call(int32_t mode, SchHandle document) {
        return SchAPI_QueryDocumentOptions(
            mode, document, &b[0], &b[1], &b[2], &b[3], &b[4], &l1, &pb[0], &pl[0], &pb[1], &pl[1],
            &pb[2], &pl[2], &pb[3], &pl[3], &sheetStyle, &useCustom, &customX, &customY, &l2, &l3,
            &l4, &t[0], &t[1], &t[2], &t[3], &t[4], &t[5], &t[6], &t[7], &l5, &l6, &t[8], &l7);
    }
    auto Values() const {
        std::array<std::string, 9> texts;
        for (size_t i = 0; i < t.size(); ++i) texts[i] = t[i].Get();
        return std::make_tuple(std::to_array(b), l1, std::to_array(pb), std::to_array(pl),
                               sheetStyle, useCustom, customX, customY, l2, l3, l4, l5, l6, l7,
                               texts);
    }
};

TEST_F(DocumentTest, EveryOptionValueIsKeptAndTheNamedOnesLandInTheirPlaces) {
    const SchHandle sheet = NewSheet("Title");
    OptionsRecord written;
    written.Call(kSchQueryRead, sheet);
    for (uint8_t i = 0; i < 5; ++i) written.b[i] = static_cast<uint8_t>(10 + i);
    written.b[1] = 1;  // title sheet
    written.b[3] = 0;  // border off
    written.l1 = -1;
    for (int i = 0; i < 4; ++i)
        written.pb[i] = static_cast<uint8_t>(20 + i), written.pl[i] = 30 + i;
    written.sheetStyle = 9, written.useCustom = 1, written.customX = 1000, written.customY = 800;
    written.l2 = 2, written.l3 = 3, written.l4 = 4, written.l5 = 5, written.l6 = 6, written.l7 = 7;
    for (size_t i = 0; i < written.t.size(); ++i) written.t[i].Set("text" + std::to_string(i));
    EXPECT_EQ(written.Call(kSchQueryWrite, sheet), 1);

    OptionsRecord read;
    EXPECT_EQ(read.Call(kSchQueryRead, sheet), 1);
    EXPECT_EQ(read.Values(), written.Values());
    read.Call(kSchQueryWrite, sheet);
    OptionsRecord again;
    again.Call(kSchQueryRead, sheet);
    EXPECT_EQ(again.Values(), written.Values());

    const qelsch::DocumentOptions& stored = editor().FindDocument(sheet)->options;
    EXPECT_EQ(stored.titleSheet, 1);
    EXPECT_EQ(stored.borderOn, 0);
    EXPECT_EQ(stored.sheetStyle, 9);
    EXPECT_EQ(stored.useCustomSheet, 1);
    EXPECT_EQ(std::make_pair(stored.customX, stored.customY), std::make_pair(1000, 800));
    EXPECT_EQ(read.Call(kSchQueryRead, 0), 0);
}

TEST_F(DocumentTest, NameTravelsInTheGivenBufferSize) {
    const SchHandle sheet = NewSheet("Main Sheet");
    TextBuffer name;
    EXPECT_EQ(SchAPI_QueryDocumentName(kSchQueryRead, sheet, &name, 256), 1);
    EXPECT_EQ(name.Get(), "Main Sheet");
    EXPECT_EQ(SchAPI_QueryDocumentName(kSchQueryRead, sheet, &name, 5), 1);
    EXPECT_EQ(name.Get(), "Main");
    name.Set("Renamed");
    SchAPI_QueryDocumentName(kSchQueryWrite, sheet, &name, 256);
    EXPECT_EQ(editor().ListDocuments().at(0).name, "Renamed");
    EXPECT_EQ(SchAPI_QueryDocumentName(kSchQueryRead, 0, &name, 256), 0);
}

TEST_F(DocumentTest, DocumentsByKindCurrentDocumentAndList) {
    EXPECT_EQ(editor().CreateDocument("Pcb", "x", ""), 0u);
    const SchHandle sheet = editor().CreateDocument("sch", "A", "/ws/A.SchDoc");
    const SchHandle library = editor().CreateDocument("SCHLIB", "B", "/ws/B.SchLib");
    ASSERT_NE(sheet, 0u);
    ASSERT_NE(library, 0u);
    EXPECT_EQ(SchAPI_GetCurrentDocumentHandle(), 0u) << "creating does not make current";
    EXPECT_TRUE(editor().SetCurrentDocument(library));
    EXPECT_EQ(SchAPI_GetCurrentDocumentHandle(), library);
    EXPECT_FALSE(editor().SetCurrentDocument(12345));
    EXPECT_EQ(SchAPI_GetCurrentDocumentHandle(), library);

    const auto list = editor().ListDocuments();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].kind, qelsch::DocumentKind::Sheet);
    EXPECT_EQ(list[0].path, "/ws/A.SchDoc");
    EXPECT_EQ(list[1].kind, qelsch::DocumentKind::Library);
    EXPECT_EQ(SchAPI_GetWindowHandleFromSheetHandle(sheet), sheet);

    EXPECT_TRUE(editor().CloseDocument(library));
    EXPECT_EQ(SchAPI_GetCurrentDocumentHandle(), 0u);
    EXPECT_EQ(editor().ListDocuments().size(), 1u);
}

TEST_F(DocumentTest, ClientCommandsGoToTheHookWithTheirBuffer) {
    std::string seen;
    editor().SetClientCommandHook([&](std::string_view command, char* buffer, uint16_t size) {
        seen = std::string(command) + " " + std::to_string(size) + " " + buffer;
        std::snprintf(buffer, size, "Result=True|Path=/tmp/x.sch");
        return int32_t{1};
    });
    std::array<char, 4096> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "Dialog=FileOpen");
    EXPECT_EQ(SchAPI_SendCommand("Client:RunCommonDialog", buffer.data(), 4096, 0), 1);
    EXPECT_EQ(seen, "Client:RunCommonDialog 4096 Dialog=FileOpen");
    EXPECT_STREQ(buffer.data(), "Result=True|Path=/tmp/x.sch");

    editor().SetClientCommandHook(nullptr);
    EXPECT_EQ(SchAPI_SendCommand("Client:RunCommonDialog", buffer.data(), 4096, 0), 0);
}

}  // namespace
