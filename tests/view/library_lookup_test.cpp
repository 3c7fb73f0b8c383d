#include "library_lookup.h"

#include <gtest/gtest.h>

#include "view_fixture.h"

namespace {

class ComponentIndexTest : public ViewTest {};

TEST_F(ComponentIndexTest, APartNamesTheFirstComponentOfItsNameInAnyLetterCase) {
    const SchHandle first = editor().CreateDocument("SchLib", "First", "");
    const SchHandle gate = store().CreateComponent(first, "Gate");
    store().FindComponent(gate)->parts.emplace_back();  // two parts
    const SchHandle second = editor().CreateDocument("SchLib", "Second", "");
    const SchHandle shadowed = store().CreateComponent(second, "GATE");
    const SchHandle other = store().CreateComponent(second, "Other");
    NewSheet("Sheet");  // sheets hold no components

    const view::TComponentIndex index(editor());
    EXPECT_EQ(index.Find("gATe"), store().FindComponent(gate));
    EXPECT_NE(index.Find("GATE"), store().FindComponent(shadowed));
    EXPECT_EQ(index.Find("other"), store().FindComponent(other));
    EXPECT_EQ(index.Find("Gate2"), nullptr);
    EXPECT_EQ(index.Find(""), nullptr);

    struct Case {
        std::string LibReference;
        int32_t PartId;
        bool Found;
    };
    const Case cases[] = {{"gate", 1, true},  {"gate", 2, true},   {"gate", 3, false},
                          {"gate", 0, false}, {"gate", -5, false}, {"none", 1, false}};
    for (const Case& c : cases) {
        qelsch::Part part;
        part.libReference = c.LibReference;
        part.currentPartId = c.PartId;
        EXPECT_EQ(index.FindPart(part) != nullptr, c.Found) << c.LibReference << c.PartId;
    }
}

}  // namespace
