#include "report_messages.h"

#include <gtest/gtest.h>

#include "view_fixture.h"

namespace {

using view::TReportSection;

// A report as the module writes it (CR LF line ends, locations on lines of their own).
const std::string kReport =
    "Helmar Design System: ZORVAN 4/5 ASCII To Helmar 7 Translator Report\r\n"
    "SCH File : demo.sch\r\n"
    "Date     : 2026-12-11\r\n"
    "Time     : 10:08:56\r\n"
    "\r\n"
    "\r\n"
    "Load Errors : 1\r\n"
    "Unsupported file version. Please try to import ZORVAN files in ASCII format!\r\n"
    "\r\n"
    "Load Warnings : 1\r\n"
    "       1. Bus Entries will be converted to Helmar style (45 degrees).\r\n"
    "\r\n"
    "Import Warnings : 1004\r\n"
    "       1. Wire name at (170,402) moved to\r\n"
    "          Net label : A (B) (170, -400)\r\n"
    "       2. Default port width of 30 used.\r\n"
    "          Port : P (460, 390)\r\n"
    "       3. Bus entry\r\n"
    "          Bus Entry: (10, 20) (20, 30)\r\n"
    "    1004. Default port width of 30 used.\r\n"
    "          Port : P (460, 390)\r\n"
    "          Port : a second location line is not taken (1, 1)\r\n"
    "\r\n"
    "\r\n";

TEST(ReportMessagesTest, ReadsEverySectionNumberMessageAndLocation) {
    const std::vector<view::TReportMessage> messages = view::ParseReport(kReport);
    ASSERT_EQ(messages.size(), 6u);
    EXPECT_EQ(messages[0].Section, TReportSection::LoadErrors);
    EXPECT_EQ(messages[0].Number, 0);
    EXPECT_EQ(messages[0].Text.substr(0, 24), "Unsupported file version");
    EXPECT_EQ(messages[1].Section, TReportSection::LoadWarnings);
    EXPECT_EQ(messages[1].Text, "Bus Entries will be converted to Helmar style (45 degrees).");
    EXPECT_FALSE(messages[1].Location);

    // A net label's text may hold parentheses: its point is the last pair.
    ASSERT_TRUE(messages[2].Location);
    EXPECT_EQ(messages[2].Section, TReportSection::ImportWarnings);
    EXPECT_EQ(messages[2].Location->Kind, kSchKindNetLabel);
    EXPECT_EQ(messages[2].Location->Name, "A (B)");
    EXPECT_EQ(messages[2].Location->At, (qelsch::SchPoint{170, -400}));
    EXPECT_EQ(messages[3].Location->Kind, kSchKindPort);
    EXPECT_EQ(messages[4].Location->Kind, kSchKindBusEntry);
    EXPECT_EQ(messages[4].Location->At, (qelsch::SchPoint{10, 20}));
    EXPECT_EQ(messages[4].Location->Corner, (qelsch::SchPoint{20, 30}));
    // A four-digit number widens its line by one place.
    EXPECT_EQ(messages[5].Number, 1004);
    EXPECT_EQ(messages[5].Location->Name, "P");
}

TEST(ReportMessagesTest, LinesOutsideTheCountSectionsAndMalformedLocationsArePassedOver) {
    const std::vector<view::TReportMessage> messages = view::ParseReport(
        "Import Warnings : 2\n"
        "       1. first\n"
        "          Port : P (1, x)\n"
        "          Net label : (2, 3) without name\n"
        "       2. second\n"
        "\n"
        "       3. after the section\n"
        "Load Event List :\n");
    ASSERT_EQ(messages.size(), 4u);  // the two malformed locations read as plain lines
    EXPECT_EQ(messages[0].Text, "first");
    EXPECT_FALSE(messages[0].Location);
    EXPECT_EQ(messages[3].Text, "second");
}

class PlaceMessagesTest : public ViewTest {};

TEST_F(PlaceMessagesTest, EachMessageClaimsItsOwnObjectInDocumentOrder) {
    const SchHandle first = NewSheet("First");
    const SchHandle second = NewSheet("Second");
    auto port = [&](SchHandle sheet, const std::string& name) {
        qelsch::Port& added = Add<qelsch::Port>(sheet);
        added.name = name;
        added.location = {460, 390};
        return added.handle;
    };
    const SchHandle p1 = port(first, "P");
    const SchHandle other = port(first, "Q");
    const SchHandle p2 = port(second, "P");
    (void)other;
    std::vector<view::TReportMessage> messages = view::ParseReport(
        "Import Warnings : 4\r\n"
        "       1. Default port width of 30 used.\r\n"
        "          Port : P (460, 390)\r\n"
        "       2. no location\r\n"
        "       3. Default port width of 30 used.\r\n"
        "          Port : P (460, 390)\r\n"
        "       4. Default port width of 30 used.\r\n"
        "          Port : P (460, 390)\r\n");
    const auto places = view::PlaceMessages(editor(), messages);
    ASSERT_EQ(places.size(), 4u);
    ASSERT_TRUE(places[0]);
    EXPECT_EQ(places[0]->Document, first);
    EXPECT_EQ(places[0]->Object, p1);
    EXPECT_FALSE(places[1]);
    ASSERT_TRUE(places[2]);
    EXPECT_EQ(places[2]->Document, second);
    EXPECT_EQ(places[2]->Object, p2);
    EXPECT_FALSE(places[3]);  // both ports named P are taken
}

}  // namespace
