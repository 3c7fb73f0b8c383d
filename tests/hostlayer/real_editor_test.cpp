// The wrappers against the reference editor module, bound by name as in the host: both sides
// must agree on every argument's place and encoding.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "frame/sch_procs.h"
#include "host/sch_objects.h"

namespace {

class RealEditorTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        FEditor = dlopen(EDITOR_MODULE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(FEditor, nullptr) << dlerror();
        ASSERT_TRUE(BindSchematicApi());
    }
    static inline void* FEditor = nullptr;
};

TEST_F(RealEditorTest, ArcAnglesAndRadiusComeBackAsWritten) {
    auto arc = NewHostObject<TArc>();
    ASSERT_NE(arc.FHandle, 0u);
    arc.FLocation = {120, -30};
    arc.FRadius = 45;
    arc.FLineWidth = 2;
    arc.SetStartAngleDegrees(30.25);
    arc.SetEndAngleDegrees(-359.999);
    arc.Query(qmWrite);

    TArc back(arc.FHandle);
    back.Query(qmRead);
    EXPECT_EQ(back.FObjectId, hoArc);
    EXPECT_EQ(back.FLocation, (TPoint{120, -30}));
    EXPECT_EQ(back.FRadius, 45);
    EXPECT_EQ(back.FLineWidth, 2);
    EXPECT_EQ(back.StartAngleDegrees(), arc.StartAngleDegrees());
    EXPECT_EQ(back.EndAngleDegrees(), arc.EndAngleDegrees());
    EXPECT_NEAR(back.EndAngleDegrees(), -359.999, 1e-9);
}

TEST_F(RealEditorTest, EveryVertexOfALongWireComesBack) {
    auto wire = NewHostObject<TWire>();
    for (int i = 0; i < 200; ++i) wire.FVertices.push_back({i, 2 * i + 1});
    wire.Query(qmWrite);
    TWire back(wire.FHandle);
    back.Query(qmRead);
    EXPECT_EQ(back.FVertices, wire.FVertices);
}

TEST_F(RealEditorTest, ANewPartOwnsItsTextsAndKeepsItsUniqueId) {
    auto part = NewHostObject<TSchPart>();
    EXPECT_NE(part.FDesignatorField, 0u);
    EXPECT_NE(part.FCommentField, 0u);
    EXPECT_NE(part.FSheetFileNameField, 0u);
    TSchTextField field;
    for (SchHandle handle : part.FPartFields) {
        ASSERT_NE(handle, 0u);
        field.FHandle = handle;
        field.Query(qmRead);
        EXPECT_EQ(field.FObjectId, hoText);
        EXPECT_EQ(field.FText.Get(), "*");
    }
    part.FUniqueId = "ABCDEFGH";
    part.FLibReference.Set("RES");
    part.FCurrentPartId = 2;
    part.Query(qmWrite);
    TSchPart back(part.FHandle);
    back.Query(qmRead);
    EXPECT_EQ(back.FUniqueId, "ABCDEFGH");
    EXPECT_EQ(back.FLibReference.Get(), "RES");
    EXPECT_EQ(back.FCurrentPartId, 2);
    EXPECT_EQ(back.FPartFields, part.FPartFields);
}

TEST_F(RealEditorTest, PinPortAndSheetSymbolFieldsComeBack) {
    auto pin = NewHostObject<TPin>();
    pin.FName.Set("CLK");
    pin.FDesignator.Set("12");
    pin.FClock = 1;
    pin.FAddedPin = 1;
    pin.FLength = 30;
    pin.FOrientation = 3;
    pin.FElectrical = 4;
    pin.Query(qmWrite);
    TPin pinBack(pin.FHandle);
    pinBack.Query(qmRead);
    EXPECT_EQ(pinBack.FName.Get(), "CLK");
    EXPECT_EQ(pinBack.FDesignator.Get(), "12");
    EXPECT_EQ(pinBack.FClock, 1);
    EXPECT_EQ(pinBack.FAddedPin, 1);
    EXPECT_EQ(pinBack.FLength, 30);
    EXPECT_EQ(pinBack.FOrientation, 3);
    EXPECT_EQ(pinBack.FElectrical, 4);

    auto port = NewHostObject<TSchPort>();
    port.FName.Set("DATA");
    port.FStyle = 5;
    port.FWidth = 70;
    port.Query(qmWrite);
    TSchPort portBack(port.FHandle);
    portBack.Query(qmRead);
    EXPECT_EQ(portBack.FName.Get(), "DATA");
    EXPECT_EQ(portBack.FStyle, 5);
    EXPECT_EQ(portBack.FWidth, 70);

    auto symbol = NewHostObject<TSchSheetSymbol>();
    EXPECT_NE(symbol.FSheetNameField, 0u);
    EXPECT_NE(symbol.FFileNameField, 0u);
    symbol.FXSize = 150;
    symbol.FYSize = 80;
    symbol.Query(qmWrite2);
    TSchSheetSymbol symbolBack(symbol.FHandle);
    symbolBack.Query(qmRead);
    EXPECT_EQ(symbolBack.FXSize, 150);
    EXPECT_EQ(symbolBack.FYSize, 80);
    EXPECT_EQ(symbolBack.FSheetNameField, symbol.FSheetNameField);
}

}  // namespace
