// The marker points that may stand on a sheet: a cross reference is passed over whole, nested
// text included, and the sheet reads the objects after it.

#include <gtest/gtest.h>

#include "model/cross_ref.h"
#include "model/info_point.h"
#include "model/ref_point.h"
#include "model/sheet.h"
#include "section_reader.h"

namespace {

TEST(SheetMarkers, ACrossReferenceKeepsNoTextAndTheObjectsAfterItAreRead) {
    TSectionReader reader(R"~((sheet "Sheet1" (sheetNum 1)
    (xRef (pt 100 100) (text (pt 0 0) "Sheet2 [2]" (justify Left)) (isFlipped True))
    (refPoint (pt 10 10))
    (infoPoint (pt 20 20) (desc "note"))
    (wire (line (pt 0 0) (pt 100 0) (width 10) (netNameRef "N1")))
    (wire (line (pt 100 0) (pt 100 100) (width 10) (netNameRef "N1")))
  ) END)~",
                          {.SchematicUnits = true});
    auto sheet = reader.Read<TNimboSheet>();
    EXPECT_TRUE(reader.AtEnd());

    std::vector<std::string> kinds;
    for (const auto& object : sheet->FDrawObjects) kinds.push_back(object->FKindName);
    EXPECT_EQ(kinds, (std::vector<std::string>{"XRef", "RefPoint", "InfoPoint", "Wire", "Wire"}));
    EXPECT_EQ(static_cast<TNimboRefPoint&>(*sheet->FDrawObjects[1]).FPt, (TPoint{1, 1}));
    EXPECT_EQ(static_cast<TNimboInfoPoint&>(*sheet->FDrawObjects[2]).FDesc, "note");
    EXPECT_EQ(sheet->FWiresByNet.size(), 2u);
}

}  // namespace
