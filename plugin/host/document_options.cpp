#include "host/document_options.h"

#include <algorithm>

#include "frame/sch_procs.h"

int32_t TDocumentOptions::Query(int32_t mode) {
    char* name = FName.Data();
    schapi::QueryDocumentName(mode, FDocumentHandle, &name, TSchText::kCapacity);
    std::array<char*, 8> texts{};
    std::ranges::transform(FOptionTexts, texts.begin(), [](TSchText& text) { return text.Data(); });
    char* text9 = FOptionText9.Data();
    return schapi::QueryDocumentOptions(
        mode, FDocumentHandle, &FOptionByte1, &FIsTitleSheet, &FOptionByte3, &FBorderOn,
        &FOptionByte5, &FOptionValue1, &FPairBytes[0], &FPairValues[0], &FPairBytes[1],
        &FPairValues[1], &FPairBytes[2], &FPairValues[2], &FPairBytes[3], &FPairValues[3],
        &FSheetStyle, &FUseCustomSheet, &FCustomX, &FCustomY, &FOptionValue2, &FOptionValue3,
        &FOptionValue4, &texts[0], &texts[1], &texts[2], &texts[3], &texts[4], &texts[5], &texts[6],
        &texts[7], &FOptionValue5, &FOptionValue6, &text9, &FOptionValue7);
}

int32_t TSchLibraryOptions::Query(int32_t mode) {
    char* text = FOptionText.Data();
    return schapi::QuerySchLibOptions(mode, FDocumentHandle, &FOptionValue3, &FOptionBytes[0],
                                      &FOptionBytes[1], &FOptionBytes[2], &FOptionBytes[3],
                                      &FOptionBytes[4], &FOptionBytes[5], &FOptionValue1,
                                      &FOptionValue2, &FOptionValue4, &FOptionByte7, &FOptionValue5,
                                      &FOptionByte8, &FOptionValue6, &text, &FCurrentComponent);
}

int32_t TSchLibraryComponent::Query(int32_t mode) {
    std::array<char*, kTextCount> t{};
    std::ranges::transform(FTexts, t.begin(), [](TSchText& text) { return text.Data(); });
    return schapi::QueryLibraryComponent(
        mode, FHandle, &t[0], &t[1], &t[2], &t[3], &t[4], &t[5], &t[6], &t[7], &t[8], &t[9], &t[10],
        &t[11], &t[12], &t[13], &t[14], &t[15], &t[16], &t[17], &t[18], &t[19], &t[20], &t[21],
        &t[22], &t[23], &t[24], &t[25], &t[26], &t[27], &t[28], &t[29], &t[30]);
}
