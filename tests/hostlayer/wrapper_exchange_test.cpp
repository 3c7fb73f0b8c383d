// The wrappers against a fake editor: every property travels in the editor's argument order,
// and a read followed by an unchanged write leaves the editor object exactly as it was.
#include <gtest/gtest.h>

#include <string>

#include "fake_editor.h"
#include "frame/sch_procs.h"
#include "host/sch_objects.h"

namespace {

constexpr SchHandle kObject = 42;

class ExchangeTest : public ::testing::Test {
  protected:
    void SetUp() override { TFakeEditor::Get().Install(); }
    void TearDown() override { schapi::ResetTable(); }
    TFakeEditor& E() { return TFakeEditor::Get(); }
};

// What a read must have put into each wrapper: the editor's value of the property that stands
// at that field's place in the editor's argument list.
void ExpectShared(TFakeEditor& e, const TSchObject& w) {
    EXPECT_EQ(w.FObjectId, e.Seed<uint8_t>("objectId"));
    EXPECT_EQ(w.FLocation.X, e.Seed<int32_t>("x"));
    EXPECT_EQ(w.FLocation.Y, e.Seed<int32_t>("y"));
    EXPECT_EQ(w.FColor, e.Seed<uint32_t>("color"));
    EXPECT_EQ(w.FPrimitiveFlag, e.Seed<uint8_t>("primitiveFlag"));
}

void ExpectVertexShared(TFakeEditor& e, const TSchAbstractPolyLineObject& w) {
    EXPECT_EQ(w.FLineWidth, e.Seed<uint8_t>("lineWidth"));
    EXPECT_EQ(w.FColor, e.Seed<uint32_t>("color"));
    EXPECT_EQ(w.FPrimitiveFlag, e.Seed<uint8_t>("primitiveFlag"));
    EXPECT_EQ(w.FVertices, (std::vector<TPoint>{{11, 12}, {13, 14}, {15, 16}}));
}

void ExpectRead(TFakeEditor& e, const TArc& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FRadius, e.Seed<int32_t>("radius"));
    EXPECT_EQ(w.FLineWidth, e.Seed<uint8_t>("lineWidth"));
    EXPECT_EQ(w.FStartAngle, e.Seed<SchReal48>("startAngle"));
    EXPECT_EQ(w.FEndAngle, e.Seed<SchReal48>("endAngle"));
}
void ExpectRead(TFakeEditor& e, const TSchBus& w) {
    ExpectVertexShared(e, w);
}
void ExpectRead(TFakeEditor& e, const TSchWire& w) {
    ExpectVertexShared(e, w);
}
void ExpectRead(TFakeEditor& e, const TSchPolygon& w) {
    ExpectVertexShared(e, w);
    EXPECT_EQ(w.FPassThrough1, e.Seed<int32_t>("polygonPass1"));
    EXPECT_EQ(w.FPassThrough2, e.Seed<int32_t>("polygonPass2"));
}
void ExpectRead(TFakeEditor& e, const TSchPolyline& w) {
    ExpectVertexShared(e, w);
    EXPECT_EQ(w.FPassThrough, e.Seed<int32_t>("polylinePass"));
}
void ExpectRead(TFakeEditor& e, const TSchBusEntry& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FCorner, (TPoint{e.Seed<int32_t>("cornerX"), e.Seed<int32_t>("cornerY")}));
    EXPECT_EQ(w.FPassThrough, e.Seed<uint8_t>("busEntryPassThrough"));
}
void ExpectRead(TFakeEditor& e, const TSchTextField& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FIsHidden, e.Seed<uint8_t>("isHidden"));
    EXPECT_EQ(w.FPassThrough, e.Seed<int32_t>("textPassThrough"));
    EXPECT_EQ(w.FText.Get(), e.SeedText("text"));
    EXPECT_EQ(w.FOrientation, e.Seed<uint8_t>("orientation"));
}
void ExpectRead(TFakeEditor& e, const TSchJunction& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FPassThrough1, e.Seed<uint8_t>("junctionPassThrough1"));
    EXPECT_EQ(w.FPassThrough2, e.Seed<uint8_t>("junctionPassThrough2"));
}
void ExpectRead(TFakeEditor& e, const TAnnotation& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FOrientation, e.Seed<uint8_t>("orientation"));
    EXPECT_EQ(w.FFontId, e.Seed<int32_t>("fontId"));
    EXPECT_EQ(w.FText.Get(), e.SeedText("text"));
}
void ExpectRead(TFakeEditor& e, const TLine& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FCorner, (TPoint{e.Seed<int32_t>("cornerX"), e.Seed<int32_t>("cornerY")}));
    EXPECT_EQ(w.FPassThrough, e.Seed<uint8_t>("linePassThrough"));
    EXPECT_EQ(w.FLineStyle, e.Seed<uint8_t>("lineStyle"));
}
void ExpectRead(TFakeEditor& e, const TSchNetLabel& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FOrientation, e.Seed<uint8_t>("orientation"));
    EXPECT_EQ(w.FPassThrough, e.Seed<int32_t>("netLabelPassThrough"));
    EXPECT_EQ(w.FText.Get(), e.SeedText("text"));
}
void ExpectRead(TFakeEditor& e, const TSchPart& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FUniqueId, e.SeedText("uniqueId"));
    EXPECT_EQ(w.FPassThrough1, e.Seed<uint8_t>("partPass1"));
    EXPECT_EQ(w.FMirrored, e.Seed<uint8_t>("mirrored"));
    EXPECT_EQ(w.FOrientation, e.Seed<uint8_t>("orientation"));
    EXPECT_EQ(w.FCurrentPartId, e.Seed<int32_t>("currentPartId"));
    EXPECT_EQ(w.FPassThrough2, e.Seed<uint8_t>("partPass2"));
    EXPECT_EQ(w.FPassThrough3, e.Seed<uint8_t>("partPass3"));
    EXPECT_EQ(w.FLibReference.Get(), e.SeedText("libReference"));
    EXPECT_EQ(w.FFootprint.Get(), e.SeedText("footprint"));
    EXPECT_EQ(w.FDesignatorField, e.Seed<SchHandle>("designatorField"));
    EXPECT_EQ(w.FCommentField, e.Seed<SchHandle>("commentField"));
    EXPECT_EQ(w.FPassThroughText.Get(), e.SeedText("partPassText"));
    EXPECT_EQ(w.FPassThroughValue, e.Seed<int32_t>("partPassValue"));
    for (size_t i = 0; i < w.FPartFields.size(); ++i)
        EXPECT_EQ(w.FPartFields[i], e.Seed<SchHandle>("partFields" + std::to_string(i)));
    for (size_t i = 0; i < w.FPassThroughTexts.size(); ++i)
        EXPECT_EQ(w.FPassThroughTexts[i].Get(), e.SeedText("eightTexts" + std::to_string(i)));
    EXPECT_EQ(w.FPassThroughLastText.Get(), e.SeedText("lastText"));
    EXPECT_EQ(w.FSheetFileNameField, e.Seed<SchHandle>("sheetFileNameField"));
    EXPECT_EQ(w.FPassThrough4, e.Seed<uint8_t>("partPass4"));
    EXPECT_EQ(w.FPassThrough5, e.Seed<uint8_t>("partPass5"));
    EXPECT_EQ(w.FPassThroughValue2, e.Seed<int32_t>("partPassValue2"));
    EXPECT_EQ(w.FPassThroughValue3, e.Seed<int32_t>("partPassValue3"));
}
void ExpectRead(TFakeEditor& e, const TPin& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FName.Get(), e.SeedText("name"));
    EXPECT_EQ(w.FDesignator.Get(), e.SeedText("designator"));
    EXPECT_EQ(w.FDot, e.Seed<uint8_t>("dot"));
    EXPECT_EQ(w.FClock, e.Seed<uint8_t>("clock"));
    EXPECT_EQ(w.FAddedPin, e.Seed<uint8_t>("addedPin"));
    EXPECT_EQ(w.FShowName, e.Seed<uint8_t>("showName"));
    EXPECT_EQ(w.FShowDesignator, e.Seed<uint8_t>("showDesignator"));
    EXPECT_EQ(w.FElectrical, e.Seed<uint8_t>("electrical"));
    EXPECT_EQ(w.FLength, e.Seed<int32_t>("length"));
    EXPECT_EQ(w.FOrientation, e.Seed<uint8_t>("orientation"));
}
void ExpectRead(TFakeEditor& e, const TSchPort& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FStyle, e.Seed<uint8_t>("style"));
    EXPECT_EQ(w.FStyleByte2, e.Seed<uint8_t>("byte2"));
    EXPECT_EQ(w.FStyleByte3, e.Seed<uint8_t>("byte3"));
    EXPECT_EQ(w.FWidth, e.Seed<int32_t>("width"));
    EXPECT_EQ(w.FPassThrough1, e.Seed<int32_t>("portPass1"));
    EXPECT_EQ(w.FPassThrough2, e.Seed<int32_t>("portPass2"));
    EXPECT_EQ(w.FName.Get(), e.SeedText("name"));
}
void ExpectRead(TFakeEditor& e, const TPowerObject& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FPassThrough, e.Seed<uint8_t>("powerPass"));
    EXPECT_EQ(w.FOrientation, e.Seed<uint8_t>("orientation"));
    EXPECT_EQ(w.FText.Get(), e.SeedText("text"));
}
void ExpectRead(TFakeEditor& e, const TSchSheetSymbol& w) {
    ExpectShared(e, w);
    EXPECT_EQ(w.FXSize, e.Seed<int32_t>("xSize"));
    EXPECT_EQ(w.FYSize, e.Seed<int32_t>("ySize"));
    EXPECT_EQ(w.FSheetNameField, e.Seed<SchHandle>("sheetNameField"));
    EXPECT_EQ(w.FFileNameField, e.Seed<SchHandle>("fileNameField"));
    EXPECT_EQ(w.FPassThrough1, e.Seed<uint8_t>("symbolPass1"));
    EXPECT_EQ(w.FPassThrough2, e.Seed<uint8_t>("symbolPass2"));
    EXPECT_EQ(w.FPassThrough3, e.Seed<uint8_t>("symbolPass3"));
    EXPECT_EQ(w.FPassThrough4, e.Seed<int32_t>("symbolPass4"));
}
void ExpectRead(TFakeEditor& e, const TDocumentOptions& w) {
    EXPECT_EQ(w.FName.Get(), e.SeedText("name"));
    EXPECT_EQ(w.FOptionByte1, e.Seed<uint8_t>("b1"));
    EXPECT_EQ(w.FIsTitleSheet, e.Seed<uint8_t>("b2"));
    EXPECT_EQ(w.FOptionByte3, e.Seed<uint8_t>("b3"));
    EXPECT_EQ(w.FBorderOn, e.Seed<uint8_t>("b4"));
    EXPECT_EQ(w.FOptionByte5, e.Seed<uint8_t>("b5"));
    EXPECT_EQ(w.FOptionValue1, e.Seed<int32_t>("l1"));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w.FPairBytes[i], e.Seed<uint8_t>("pb" + std::to_string(i + 1)));
        EXPECT_EQ(w.FPairValues[i], e.Seed<int32_t>("pl" + std::to_string(i + 1)));
    }
    EXPECT_EQ(w.FSheetStyle, e.Seed<uint8_t>("sheetStyle"));
    EXPECT_EQ(w.FUseCustomSheet, e.Seed<uint8_t>("useCustomSheet"));
    EXPECT_EQ(w.FCustomX, e.Seed<int32_t>("customX"));
    EXPECT_EQ(w.FCustomY, e.Seed<int32_t>("customY"));
    EXPECT_EQ(w.FOptionValue2, e.Seed<int32_t>("l2"));
    EXPECT_EQ(w.FOptionValue3, e.Seed<int32_t>("l3"));
    EXPECT_EQ(w.FOptionValue4, e.Seed<int32_t>("l4"));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(w.FOptionTexts[i].Get(), e.SeedText("t" + std::to_string(i + 1)));
    EXPECT_EQ(w.FOptionValue5, e.Seed<int32_t>("l5"));
    EXPECT_EQ(w.FOptionValue6, e.Seed<int32_t>("l6"));
    EXPECT_EQ(w.FOptionText9.Get(), e.SeedText("t9"));
    EXPECT_EQ(w.FOptionValue7, e.Seed<int32_t>("l7"));
}
void ExpectRead(TFakeEditor& e, const TSchLibraryOptions& w) {
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w.FOptionBytes[i], e.Seed<uint8_t>("b" + std::to_string(i + 1)));
    EXPECT_EQ(w.FOptionValue1, e.Seed<int32_t>("l1"));
    EXPECT_EQ(w.FOptionValue2, e.Seed<int32_t>("l2"));
    EXPECT_EQ(w.FOptionValue3, e.Seed<int32_t>("l3"));
    EXPECT_EQ(w.FOptionValue4, e.Seed<int32_t>("l4"));
    EXPECT_EQ(w.FOptionByte7, e.Seed<uint8_t>("b7"));
    EXPECT_EQ(w.FOptionValue5, e.Seed<int32_t>("l5"));
    EXPECT_EQ(w.FOptionByte8, e.Seed<uint8_t>("b8"));
    EXPECT_EQ(w.FOptionValue6, e.Seed<int32_t>("l6"));
    EXPECT_EQ(w.FOptionText.Get(), e.SeedText("text"));
    EXPECT_EQ(w.FCurrentComponent, e.Seed<SchHandle>("currentComponent"));
}
void ExpectRead(TFakeEditor& e, const TSchLibraryComponent& w) {
    for (size_t i = 0; i < w.FTexts.size(); ++i)
        EXPECT_EQ(w.FTexts[i].Get(), e.SeedText("t" + std::to_string(i)));
}

template <class T>
class WrapperExchangeTest : public ExchangeTest {};

using Wrappers = ::testing::Types<TArc, TSchBus, TSchBusEntry, TSchTextField, TSchJunction,
                                  TAnnotation, TLine, TSchNetLabel, TSchPart, TPin, TSchPolygon,
                                  TSchPolyline, TSchPort, TPowerObject, TSchSheetSymbol, TSchWire,
                                  TDocumentOptions, TSchLibraryOptions, TSchLibraryComponent>;
TYPED_TEST_SUITE(WrapperExchangeTest, Wrappers);

TYPED_TEST(WrapperExchangeTest, ReadFetchesEveryPropertyInTheEditorsOrder) {
    TypeParam wrapper(kObject);
    wrapper.Query(qmRead);
    ExpectRead(this->E(), wrapper);
}

TYPED_TEST(WrapperExchangeTest, UnchangedWriteLeavesEveryPropertyAsItWas) {
    for (int32_t writeMode : {qmWrite, qmWrite2}) {
        TFakeEditor::Get().Install();
        TypeParam wrapper(kObject);
        wrapper.Query(qmRead);
        const auto before = this->E().Objects;
        const auto verticesBefore = this->E().Vertices;
        ASSERT_FALSE(before.empty());
        wrapper.Query(writeMode);
        EXPECT_EQ(this->E().Objects, before) << "mode " << writeMode;
        EXPECT_EQ(this->E().Vertices, verticesBefore) << "mode " << writeMode;
    }
}

TYPED_TEST(WrapperExchangeTest, ChangedFieldIsWhatTheEditorReceives) {
    // A fresh wrapper over a fresh object written without a read would overwrite the editor's
    // defaults; after a read, a changed field reaches the editor and nothing else changes.
    TypeParam wrapper(kObject);
    wrapper.Query(qmRead);
    auto before = this->E().Objects[kObject];
    if constexpr (requires { wrapper.FColor; }) {
        wrapper.FColor = 0x00FF0000;
        wrapper.Query(qmWrite);
        before["color"] = std::string("\x00\x00\xFF\x00", 4);
    } else if constexpr (requires { wrapper.FTexts; }) {
        wrapper.FTexts[29].Set("U");
        wrapper.Query(qmWrite);
        before["t29"] = "U";
    } else if constexpr (requires { wrapper.FCurrentComponent; }) {
        wrapper.FOptionText.Set("lib");
        wrapper.Query(qmWrite);
        before["text"] = "lib";
    } else {
        wrapper.FName.Set("Sheet1");
        wrapper.Query(qmWrite);
        before["name"] = "Sheet1";
    }
    EXPECT_EQ(this->E().Objects[kObject], before);
}

}  // namespace
