// Without an editor module and a client (a plain test binary loads neither), binding leaves
// every function unbound, the forwarding functions answer their neutral values and the
// wrappers keep their own fields.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "frame/client_procs.h"
#include "frame/sch_procs.h"
#include "host/sch_objects.h"

namespace {

class UnboundHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EXPECT_FALSE(BindSchematicApi());
        EXPECT_FALSE(BindClientApi());
    }
};

// Calls a forwarding function with zero for every argument.
template <class R, class... A>
int64_t CallWithZeros(const auto& forwarder, R (*)(A...)) {
    return static_cast<int64_t>(forwarder(A{}...));
}

// What the module's callers may rely on when the editor is missing.
const std::map<std::string, int64_t> kNeutral = {
    {"GetCurrentDocumentHandle", 0},
    {"GetWindowHandleFromSheetHandle", 0},
    {"CreateObjectEx", 0},
    {"CreateIterator", 0},
    {"GetFirstObject", 0},
    {"GetNextObject", 0},
    {"QueryVertexCount", 0},
    {"QueryVertexAt", 0},
    {"QueryDocumentName", 0},
    {"GetObjectIdFromObjectHandle", 57},
    {"AddObjectToContainer", 1},
    {"SendCommand", 1},
    {"ImportFromUser", 0},
    {"QueryDocumentOptions", 1},
    {"QuerySchLibOptions", 1},
    {"QueryLibraryComponent", 1},
    {"QueryPrimitive", 1},
    {"QuerySchPartUniqueId", 1},
    {"QueryArc", 1},
    {"QueryBus", 1},
    {"QueryBusEntry", 1},
    {"QueryText", 1},
    {"QueryJunction", 1},
    {"QueryLabel", 1},
    {"QueryLine", 1},
    {"QueryNetLabel", 1},
    {"QuerySchPart", 1},
    {"QueryPin", 1},
    {"QueryPolygon", 1},
    {"QueryPolyline", 1},
    {"QueryPort", 1},
    {"QueryPowerObject", 1},
    {"QuerySheetSymbol", 1},
    {"QueryWire", 1},
    // Actions that did nothing.
    {"DestroyObject", 0},
    {"RedrawSheet", 0},
    {"RedrawObject", 0},
    {"GetObjectBoundingRectangle", 0},
};

TEST_F(UnboundHostTest, EveryForwardingFunctionAnswersItsNeutralValue){
#define ZORVAN_CHECK_NEUTRAL(ret, name, args)                                                   \
    {                                                                                           \
        EXPECT_EQ(schapi::Table().name, nullptr) << #name;                                      \
        const auto expected = kNeutral.find(#name);                                             \
        ASSERT_NE(expected, kNeutral.end()) << #name;                                           \
        EXPECT_EQ(CallWithZeros(schapi::name, SchAPI_##name##_t{}), expected->second) << #name; \
    }
    ZORVAN_SCHAPI_FUNCTIONS(ZORVAN_CHECK_NEUTRAL)
#undef ZORVAN_CHECK_NEUTRAL
}

TEST_F(UnboundHostTest, ClientFunctionsAnswerFalseAndEmptyText) {
    EXPECT_EQ(ModuleClient(), nullptr);
    EXPECT_FALSE(clientapi::ExistSpecific("/"));
    EXPECT_FALSE(clientapi::VfsFileExists("/"));
    EXPECT_EQ(clientapi::ExtractFileNameFromPath("/a/b.sch"), "");
    EXPECT_EQ(clientapi::ForceFileNameExtension("b.sch", "rpt"), "");
    EXPECT_EQ(clientapi::VfsExtractFilePath("/a/b.sch"), "");
    EXPECT_EQ(clientapi::VfsExtractFileName("/a/b.sch"), "");
    TVfsTextFile file{};
    EXPECT_FALSE(clientapi::VfsAssign(file, "/a/b.rpt"));
    OpenReportInHost("/a/b.rpt");  // nothing to open it with; must simply return
}

TEST_F(UnboundHostTest, WrappersRunTheWholeCreationWithoutEffect) {
    auto part = NewHostObject<TSchPart>();
    EXPECT_EQ(part.FHandle, 0u);
    EXPECT_EQ(part.FObjectId, hoPart);
    EXPECT_EQ(part.FUniqueId, "$$$");
    part.FLibReference.Set("R");
    TDocumentOptions document(0);
    EXPECT_EQ(document.Query(qmRead), 1);
    EXPECT_EQ(AddHostObject(part, document), 0u);
    EXPECT_EQ(part.FLibReference.Get(), "R");
    EXPECT_FALSE(part.ImportFromUser());

    TSchBus bus(5);
    bus.FVertices = {{1, 1}, {2, 2}};
    EXPECT_EQ(bus.Query(qmRead), 1);
    EXPECT_TRUE(bus.FVertices.empty());  // a vertex list reads as empty

    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bus.GetBoundingRectangle(x1, y1, x2, y2);
    EXPECT_EQ((std::array{x1, y1, x2, y2}), (std::array{-1, -1, -1, -1}));
}

TEST(SchApiForwardingTest, SendCommandAnswersZeroOnceTheEditorRanIt) {
    schapi::ResetTable();
    static int runs = 0;
    schapi::Table().SendCommand = [](const char*, char*, uint16_t, SchHandle) -> int32_t {
        ++runs;
        return 5;
    };
    EXPECT_EQ(schapi::SendCommand("Sch:CreateComponent", nullptr, 0, 0), 0);
    EXPECT_EQ(runs, 1);
    schapi::ResetTable();
}

TEST(SchApiForwardingTest, OptionsOfDocumentZeroAreNotAskedFor) {
    schapi::ResetTable();
    static int runs = 0;
    schapi::Table().QuerySchLibOptions = [](int32_t, SchHandle, int32_t*, uint8_t*, uint8_t*,
                                            uint8_t*, uint8_t*, uint8_t*, uint8_t*, int32_t*,
                                            int32_t*, int32_t*, uint8_t*, int32_t*, uint8_t*,
                                            int32_t*, char**, SchHandle*) -> int32_t {
        ++runs;
        return 9;
    };
    TSchLibraryOptions none(0);
    EXPECT_EQ(none.Query(qmRead), 1);
    EXPECT_EQ(runs, 0);
    TSchLibraryOptions some(3);
    EXPECT_EQ(some.Query(qmRead), 9);
    EXPECT_EQ(runs, 1);
    schapi::ResetTable();
}

}  // namespace
