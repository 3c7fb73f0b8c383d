// Iterating a document's objects of one kind.
#include <vector>

#include "editor_fixture.h"

namespace {

class IteratorTest : public EditorTest {
  protected:
    static std::vector<SchHandle> Iterate(SchHandle document, uint8_t kind) {
        std::vector<SchHandle> found;
        const SchHandle iterator = SchAPI_CreateIterator(document, kind);
        for (SchHandle h = SchAPI_GetFirstObject(iterator); h != 0;
             h = SchAPI_GetNextObject(iterator)) {
            found.push_back(h);
        }
        return found;
    }
    SchHandle Add(SchHandle document, uint8_t kind) {
        const SchHandle object = SchAPI_CreateObjectEx(kind);
        SchAPI_AddObjectToContainer(document, object);
        return object;
    }
};

TEST_F(IteratorTest, YieldsTheDocumentsObjectsOfOneKindInInsertionOrder) {
    const SchHandle sheet = NewSheet();
    const SchHandle otherSheet = NewSheet("Other");
    const SchHandle wire1 = Add(sheet, kSchKindWire);
    const SchHandle label = Add(sheet, kSchKindNetLabel);
    const SchHandle wire2 = Add(sheet, kSchKindWire);
    Add(otherSheet, kSchKindWire);
    const SchHandle part = Add(sheet, kSchKindPart);
    SchAPI_CreateObjectEx(kSchKindWire);  // never added

    EXPECT_EQ(Iterate(sheet, kSchKindWire), (std::vector<SchHandle>{wire1, wire2}));
    EXPECT_EQ(Iterate(sheet, kSchKindNetLabel), (std::vector<SchHandle>{label}));
    EXPECT_EQ(Iterate(sheet, kSchKindPart), (std::vector<SchHandle>{part}));
    // A part's owned texts are not the sheet's objects.
    EXPECT_TRUE(Iterate(sheet, kSchKindText).empty());
    EXPECT_TRUE(Iterate(sheet, kSchKindPin).empty());
}

TEST_F(IteratorTest, FollowsTheLiveListAndRestartsAtTheFirstObject) {
    const SchHandle sheet = NewSheet();
    const SchHandle a = Add(sheet, kSchKindJunction);
    const SchHandle b = Add(sheet, kSchKindJunction);
    const SchHandle iterator = SchAPI_CreateIterator(sheet, kSchKindJunction);
    const SchHandle c = Add(sheet, kSchKindJunction);

    EXPECT_EQ(SchAPI_GetFirstObject(iterator), a);
    EXPECT_EQ(SchAPI_GetNextObject(iterator), b);
    EXPECT_EQ(SchAPI_GetNextObject(iterator), c) << "added after the iterator was made";
    EXPECT_EQ(SchAPI_GetNextObject(iterator), 0u);
    EXPECT_EQ(SchAPI_GetNextObject(iterator), 0u);
    EXPECT_EQ(SchAPI_GetFirstObject(iterator), a);

    SchAPI_DestroyObject(b);
    EXPECT_EQ(Iterate(sheet, kSchKindJunction), (std::vector<SchHandle>{a, c}));
    editor().CloseDocument(sheet);
    EXPECT_EQ(SchAPI_GetFirstObject(iterator), 0u);
}

}  // namespace
