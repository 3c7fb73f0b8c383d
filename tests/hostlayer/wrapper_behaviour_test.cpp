// The object layer's own rules: vertex lists, the part's unique identifier, bounding
// rectangles, user editing, the creation helpers and the record wrappers' document 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fake_editor.h"
#include "frame/sch_procs.h"
#include "host/sch_objects.h"

namespace {

class WrapperTest : public ::testing::Test {
  protected:
    void SetUp() override { TFakeEditor::Get().Install(); }
    void TearDown() override { schapi::ResetTable(); }
    TFakeEditor& E() { return TFakeEditor::Get(); }
    size_t CountCalls(const std::string& call) {
        return static_cast<size_t>(std::ranges::count(E().Calls, call));
    }
};

std::vector<TPoint> ManyPoints(int count) {
    std::vector<TPoint> points;
    for (int i = 0; i < count; ++i) points.push_back({i * 10, -i * 3 - 1});
    return points;
}

TEST_F(WrapperTest, VertexListsOfAnySizeSurviveWriteAndRead) {
    for (int count : {0, 1, 50, 51, 200}) {
        TSchPolygon out(7);
        out.Query(qmRead);
        out.FVertices = ManyPoints(count);
        out.Query(qmWrite);
        TSchPolygon in(7);
        in.Query(qmRead);
        EXPECT_EQ(in.FVertices, ManyPoints(count)) << count << " vertices";
        EXPECT_EQ(in.VertexCount(), count);
    }
}

TEST_F(WrapperTest, SecondWriteSendsVerticesAsPlainWriteAndTheKindCallAsSecondWrite) {
    TSchWire wire(7);
    wire.Query(qmRead);
    wire.FVertices = {{1, 2}, {3, 4}};
    E().Calls.clear();
    wire.Query(qmWrite2);
    EXPECT_EQ(E().Calls, (std::vector<std::string>{"QueryVertexCount:0", "QueryVertexAt:0",
                                                   "QueryVertexAt:0", "QueryWire:2"}));
}

TEST_F(WrapperTest, VertexListWrappersDoNotExchangeTheSharedPrimitive) {
    TSchBus bus(7);
    bus.Query(qmRead);
    bus.Query(qmWrite);
    EXPECT_EQ(CountCalls("QueryPrimitive:1") + CountCalls("QueryPrimitive:0"), 0u);
}

TEST_F(WrapperTest, ObjectWrappersExchangeThePrimitiveFirst) {
    TSchJunction junction(7);
    junction.Query(qmWrite2);
    EXPECT_EQ(E().Calls, (std::vector<std::string>{"QueryPrimitive:2", "QueryJunction:2"}));
}

TEST_F(WrapperTest, PartUniqueIdKeepsTheFirst255BytesOfALongerText) {
    const std::string longId(400, 'u');
    E().Objects[5]["uniqueId"] = longId;
    TSchPart part(5);
    part.Query(qmRead);
    EXPECT_EQ(part.FUniqueId, longId.substr(0, 255));
    EXPECT_EQ(E().TextSizes["uniqueId"], 1024);
    part.Query(qmWrite);
    EXPECT_EQ(E().Objects[5]["uniqueId"], longId.substr(0, 255));
}

TEST_F(WrapperTest, PartWrittenWithoutReadSendsThePlaceholderUniqueId) {
    TSchPart part(5);
    part.Query(qmWrite);
    EXPECT_EQ(E().Objects[5]["uniqueId"], "$$$");
    EXPECT_EQ(E().Calls.back(), "QuerySchPartUniqueId:0");
}

TEST_F(WrapperTest, PartUniqueIdLongerThan255IsCutBeforeItIsSent) {
    TSchPart part(5);
    part.FUniqueId = std::string(2000, 'x');
    part.Query(qmWrite);
    EXPECT_EQ(E().Objects[5]["uniqueId"], std::string(255, 'x'));
}

TEST_F(WrapperTest, BoundingRectangleWithoutHandleIsMinusOneWithoutAskingTheEditor) {
    TArc arc(0);
    int32_t x1 = 9, y1 = 9, x2 = 9, y2 = 9;
    arc.GetBoundingRectangle(x1, y1, x2, y2);
    EXPECT_EQ((std::array{x1, y1, x2, y2}), (std::array{-1, -1, -1, -1}));
    EXPECT_TRUE(E().Calls.empty());

    arc.FHandle = 8;
    arc.GetBoundingRectangle(x1, y1, x2, y2);
    EXPECT_EQ((std::array{x1, y1, x2, y2}), (std::array{1, 2, 3, 4}));
    EXPECT_EQ(E().Calls, (std::vector<std::string>{"GetObjectBoundingRectangle:8"}));
}

TEST_F(WrapperTest, ImportFromUserRereadsOnlyWhenTheUserConfirmed) {
    TLine line(9);
    EXPECT_FALSE(line.ImportFromUser());
    EXPECT_EQ(E().Calls, (std::vector<std::string>{"ImportFromUser:9"}));

    E().Calls.clear();
    E().ImportFromUserAnswer = 1;
    EXPECT_TRUE(line.ImportFromUser());
    EXPECT_EQ(E().Calls,
              (std::vector<std::string>{"ImportFromUser:9", "QueryPrimitive:1", "QueryLine:1"}));

    E().Calls.clear();
    TLine none(0);
    EXPECT_FALSE(none.ImportFromUser());
    none.Redraw();
    EXPECT_TRUE(E().Calls.empty());
    line.Redraw();
    EXPECT_EQ(E().Calls, (std::vector<std::string>{"RedrawObject:9"}));
}

TEST_F(WrapperTest, ConstructorsSetTheirKindAndHandle) {
    EXPECT_EQ(TSchObject(3).GetObjectId(), hoNone);
    EXPECT_EQ(TSchObject(3).GetHandle(), 3u);
    EXPECT_EQ(TArc().GetObjectId(), hoArc);
    EXPECT_EQ(TWire().GetObjectId(), hoWire);
    EXPECT_EQ(TBusEntry().GetObjectId(), hoBusEntry);
    EXPECT_EQ(TNetLabel().GetObjectId(), hoNetLabel);
    EXPECT_EQ(TText().GetObjectId(), hoText);
    EXPECT_EQ(TSchSheetSymbol().GetObjectId(), hoSheetSymbol);
    EXPECT_EQ(TSchPart().FUniqueId, "$$$");
}

TEST_F(WrapperTest, NewHostObjectCreatesReadsAndAddHostObjectWritesAndAdds) {
    auto port = NewHostObject<TSchPort>();
    EXPECT_EQ(E().CreatedKinds, (std::vector<uint8_t>{hoPort}));
    EXPECT_EQ(port.FHandle, 100u);
    EXPECT_EQ(E().Calls, (std::vector<std::string>{"QueryPrimitive:1", "QueryPort:1"}));

    port.FName.Set("CLK");
    TDocumentOptions document(77);
    EXPECT_EQ(AddHostObject(port, document), 100u);
    EXPECT_EQ(E().Objects[100]["name"], "CLK");
    EXPECT_EQ(E().Added, (std::vector<std::pair<SchHandle, SchHandle>>{{77, 100}}));
}

TEST_F(WrapperTest, RecordWrappersForDocumentZeroSkipTheOptionsCall) {
    TDocumentOptions options(0);
    options.FSheetStyle = 4;
    EXPECT_EQ(options.Query(qmRead), 1);
    EXPECT_EQ(options.FSheetStyle, 4);
    EXPECT_EQ(E().Calls, (std::vector<std::string>{"QueryDocumentName:1"}));

    E().Calls.clear();
    TSchLibraryOptions library(0);
    EXPECT_EQ(library.Query(qmRead), 1);
    EXPECT_TRUE(E().Calls.empty());
}

TEST_F(WrapperTest, DocumentNameTravelsInA256ByteBuffer) {
    TDocumentOptions options(3);
    options.Query(qmRead);
    EXPECT_EQ(E().TextSizes["name"], 256);
}

TEST_F(WrapperTest, ArcAngleAccessorsSpeakDegrees) {
    TArc arc(4);
    arc.Query(qmRead);
    arc.SetStartAngleDegrees(90);
    arc.SetEndAngleDegrees(-45);
    arc.Query(qmWrite);
    TArc back(4);
    back.Query(qmRead);
    EXPECT_EQ(back.StartAngleDegrees(), 90);
    EXPECT_EQ(back.EndAngleDegrees(), -45);
}

}  // namespace
