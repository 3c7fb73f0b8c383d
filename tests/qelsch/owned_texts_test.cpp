// New objects' defaults, and the text objects a part or sheet symbol owns.
#include "editor_fixture.h"

namespace {

class OwnedTextsTest : public EditorTest {
  protected:
    struct PartFields {
        SchHandle designator = 0, comment = 0, sheetFileName = 0;
        std::array<SchHandle, 16> parameters{};
    };

    // Reads a part's owned-field handles; with `overwrite`, first writes junk into them.
    static PartFields ReadFields(SchHandle part, bool overwrite = false) {
        PartFields f;
        int32_t x = 0, y = 0, id = 0, v1 = 0, v2 = 0, v3 = 0;
        uint8_t b[8] = {};
        std::array<TextBuffer, 12> texts;
        std::array<char*, 8> eight{};
        for (size_t i = 0; i < 8; ++i) eight[i] = texts[i].pointer;
        uint32_t color = 0;
        SchAPI_QuerySchPart(kSchQueryRead, part, &x, &y, &b[0], &b[1], &b[2], &b[3], &id, &b[4],
                            &b[5], &texts[8].pointer, &texts[9].pointer, &texts[10].pointer, &v1,
                            eight.data(), 7, &texts[11].pointer, &f.designator, &f.comment,
                            &f.sheetFileName, f.parameters.data(), 15, &b[6], &b[7], &v2, &color,
                            &v3);
        if (overwrite) {
            PartFields junk;
            junk.designator = junk.comment = junk.sheetFileName = 4242;
            junk.parameters.fill(4242);
            SchAPI_QuerySchPart(kSchQueryWrite, part, &x, &y, &b[0], &b[1], &b[2], &b[3], &id,
                                &b[4], &b[5], &texts[8].pointer, &texts[9].pointer,
                                &texts[10].pointer, &v1, eight.data(), 7, &texts[11].pointer,
                                &junk.designator, &junk.comment, &junk.sheetFileName,
                                junk.parameters.data(), 15, &b[6], &b[7], &v2, &color, &v3);
        }
        return f;
    }

    struct TextState {
        std::string text;
        uint8_t hidden = 0;
    };
    static TextState ReadText(SchHandle text) {
        int32_t x = 0, y = 0, passThrough = 0;
        uint8_t hidden = 0, orientation = 0, flag = 0;
        uint32_t color = 0;
        TextBuffer buffer;
        SchAPI_QueryText(kSchQueryRead, text, &x, &y, &hidden, &passThrough, &buffer, &orientation,
                         &color, &flag);
        return {buffer.Get(), hidden};
    }
};

TEST_F(OwnedTextsTest, NewPartOwnsItsDesignatorCommentSheetFileNameAndSixteenParameters) {
    const SchHandle part = SchAPI_CreateObjectEx(kSchKindPart);
    const PartFields f = ReadFields(part);

    std::vector<SchHandle> all = {f.designator, f.comment, f.sheetFileName};
    all.insert(all.end(), f.parameters.begin(), f.parameters.end());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end()) << "each text is its own";
    for (SchHandle text : all) {
        ASSERT_NE(text, 0u);
        EXPECT_EQ(SchAPI_GetObjectIdFromObjectHandle(text), kSchKindText);
        EXPECT_EQ(editor().FindObject(text)->owner, part);
    }
    for (SchHandle parameter : f.parameters) EXPECT_EQ(ReadText(parameter).text, "*");
    EXPECT_EQ(ReadText(f.designator).hidden, 0);
    EXPECT_EQ(ReadText(f.sheetFileName).hidden, 1);

    const auto* stored = editor().FindObject(part)->As<qelsch::Part>();
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->currentPartId, 1);
}

TEST_F(OwnedTextsTest, OwnedFieldHandlesCannotBeOverwritten) {
    const SchHandle part = SchAPI_CreateObjectEx(kSchKindPart);
    const PartFields before = ReadFields(part, /*overwrite=*/true);
    const PartFields after = ReadFields(part);
    EXPECT_EQ(after.designator, before.designator);
    EXPECT_EQ(after.comment, before.comment);
    EXPECT_EQ(after.sheetFileName, before.sheetFileName);
    EXPECT_EQ(after.parameters, before.parameters);
}

TEST_F(OwnedTextsTest, OwnedTextsStayWithTheirOwnerAndGoWithIt) {
    const SchHandle sheet = NewSheet();
    const SchHandle part = SchAPI_CreateObjectEx(kSchKindPart);
    const PartFields f = ReadFields(part);

    // An owned text is not a free object of the sheet.
    EXPECT_EQ(SchAPI_AddObjectToContainer(sheet, f.comment), 0);
    EXPECT_EQ(SchAPI_AddObjectToContainer(sheet, part), 1);
    EXPECT_EQ(SchAPI_AddObjectToContainer(sheet, part), 0) << "already in a document";
    EXPECT_EQ(editor().CountObjects(sheet), 1u);

    // Destroying one owned text detaches it from its owner.
    EXPECT_EQ(SchAPI_DestroyObject(f.parameters[3]), 1);
    EXPECT_EQ(ReadFields(part).parameters[3], 0u);

    // Destroying the part takes it out of the sheet and frees every text it owns.
    EXPECT_EQ(SchAPI_DestroyObject(part), 1);
    EXPECT_EQ(editor().CountObjects(sheet), 0u);
    for (SchHandle text : {f.designator, f.comment, f.sheetFileName, f.parameters[0]}) {
        EXPECT_EQ(SchAPI_GetObjectIdFromObjectHandle(text), kSchKindNone);
    }
    EXPECT_EQ(SchAPI_DestroyObject(part), 0);
}

TEST_F(OwnedTextsTest, NewSheetSymbolOwnsItsSheetNameAndFileNameTexts) {
    const SchHandle symbol = SchAPI_CreateObjectEx(kSchKindSheetSymbol);
    int32_t x = 0, y = 0, xs = 0, ys = 0, p4 = 0;
    SchHandle sheetName = 0, fileName = 0;
    uint8_t p1 = 0, p2 = 0, p3 = 0, flag = 0;
    uint32_t color = 0;
    SchAPI_QuerySheetSymbol(kSchQueryRead, symbol, &x, &y, &xs, &ys, &sheetName, &fileName, &p1,
                            &p2, &p3, &color, &p4, &flag);
    ASSERT_NE(sheetName, 0u);
    ASSERT_NE(fileName, 0u);
    EXPECT_NE(sheetName, fileName);
    EXPECT_EQ(SchAPI_GetObjectIdFromObjectHandle(sheetName), kSchKindText);
    EXPECT_EQ(editor().FindObject(fileName)->owner, symbol);
    EXPECT_GT(xs, 0);
    EXPECT_GT(ys, 0);
}

TEST_F(OwnedTextsTest, NewObjectsHaveEditorDefaults) {
    struct Case {
        uint8_t kind;
        uint32_t color;
    };
    for (const Case c : {Case{kSchKindWire, 0x800000}, Case{kSchKindBus, 0x800000},
                         Case{kSchKindJunction, 0x800000}, Case{kSchKindPin, 0x000000},
                         Case{kSchKindLine, 0x000080}, Case{kSchKindAnnotation, 0x000000}}) {
        {
            const auto* object = editor().FindObject(SchAPI_CreateObjectEx(c.kind));
            ASSERT_NE(object, nullptr);
            EXPECT_EQ(object->color, c.color) << int{c.kind};
        }
    }
    const auto* label = editor().FindObject(SchAPI_CreateObjectEx(kSchKindAnnotation));
    EXPECT_EQ(label->As<qelsch::Annotation>()->fontId, 1);
    const auto* wire = editor().FindObject(SchAPI_CreateObjectEx(kSchKindWire));
    EXPECT_LE(wire->As<qelsch::Wire>()->lineWidth, 1);
}

}  // namespace
