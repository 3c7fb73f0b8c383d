// Wrappers of the editor's per-document records: a schematic document's name and options, a
// library document's options, and a library component's texts. Like the object wrappers they
// own nothing in the editor and exchange their fields with `Query(mode)` (TQueryMode).
#pragma once

#include <array>
#include <cstdint>

#include "SchAPI.h"
#include "host/sch_object.h"
#include "host/sch_text.h"

// The name and the 33 option values of one schematic document, in the editor's order.
class TDocumentOptions {
  public:
    explicit TDocumentOptions(SchHandle document = 0) : FDocumentHandle(document) {}
    virtual ~TDocumentOptions() = default;

    // Exchanges the name, then the options; answers the options exchange's result. The
    // options are not exchanged for document 0.
    virtual int32_t Query(int32_t mode);

    SchHandle FDocumentHandle = 0;
    TSchText FName;

    uint8_t FOptionByte1 = 0;
    uint8_t FIsTitleSheet = 0;  // 1 on the document that holds the design's title sheet
    uint8_t FOptionByte3 = 0;
    uint8_t FBorderOn = 0;
    uint8_t FOptionByte5 = 0;
    int32_t FOptionValue1 = 0;
    std::array<uint8_t, 4> FPairBytes{};   // four pairs of a byte ...
    std::array<int32_t, 4> FPairValues{};  // ... followed by a 32-bit value
    uint8_t FSheetStyle = 0;               // the editor's standard sheet size code 0 to 9
    uint8_t FUseCustomSheet = 0;
    int32_t FCustomX = 0;  // custom sheet width [host units]
    int32_t FCustomY = 0;  // custom sheet height [host units]
    int32_t FOptionValue2 = 0;
    int32_t FOptionValue3 = 0;
    int32_t FOptionValue4 = 0;
    std::array<TSchText, 8> FOptionTexts;
    int32_t FOptionValue5 = 0;
    int32_t FOptionValue6 = 0;
    TSchText FOptionText9;
    int32_t FOptionValue7 = 0;
};

// The options of one schematic library document, in declaration order (the exchange order
// differs; see Query).
class TSchLibraryOptions {
  public:
    explicit TSchLibraryOptions(SchHandle document = 0) : FDocumentHandle(document) {}
    virtual ~TSchLibraryOptions() = default;

    // Not exchanged for document 0 (answers 1).
    virtual int32_t Query(int32_t mode);

    SchHandle FDocumentHandle = 0;
    std::array<uint8_t, 6> FOptionBytes{};
    int32_t FOptionValue1 = 0;
    int32_t FOptionValue2 = 0;
    int32_t FOptionValue3 = 0;  // exchanged first
    int32_t FOptionValue4 = 0;
    uint8_t FOptionByte7 = 0;
    int32_t FOptionValue5 = 0;
    uint8_t FOptionByte8 = 0;
    int32_t FOptionValue6 = 0;
    TSchText FOptionText;
    // The component the library document shows: the one the last "Sch:CreateComponent" made.
    SchHandle FCurrentComponent = 0;
};

// The 31 texts of one library component.
class TSchLibraryComponent {
  public:
    static constexpr size_t kTextCount = 31;
    static constexpr size_t kFootprintText = 1;
    static constexpr size_t kFirstFieldText = 5;  // eight library field slots, 5 to 12
    static constexpr size_t kFieldTextCount = 8;
    static constexpr size_t kDesignatorPrefixText = 29;

    explicit TSchLibraryComponent(SchHandle component = 0) : FHandle(component) {}
    virtual ~TSchLibraryComponent() = default;

    virtual int32_t Query(int32_t mode);

    SchHandle FHandle = 0;
    std::array<TSchText, kTextCount> FTexts;
};
