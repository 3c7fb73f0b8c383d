// The bus entry message is reported once for as long as the module stays loaded. This runs in a
// process of its own, since the module-wide flag never goes back.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design_import.h"

namespace design_test {
namespace {

using ::testing::HasSubstr;

class BusEntryMessage : public DesignImport {};

TEST_F(BusEntryMessage, OnlyTheFirstImportWithBusEntriesReportsIt) {
    const std::string design = DesignFile(
        "", "",
        "(sheet \"S\" (busEntry (pt 0 0)) (wire (line (pt 0 0) (pt 1000 0) (netNameRef \"A\")))"
        "(busEntry (pt 0 1000)) (wire (line (pt 0 1000) (pt 1000 1000) (netNameRef \"B\"))))");
    Import(design);
    ASSERT_EQ(LoadWarnings().size(), 1u);
    EXPECT_THAT(LoadWarnings()[0],
                HasSubstr("1. Bus Entries will be converted to Helmar style (45 degrees)."));

    TearDown();
    SetUp();
    Import(design);
    EXPECT_EQ(Objects<qelsch::BusEntry>(*Document("S")).size(), 2u);
    EXPECT_TRUE(LoadWarnings().empty());
}

}  // namespace
}  // namespace design_test
