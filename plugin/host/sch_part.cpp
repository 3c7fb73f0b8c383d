#include "host/sch_part.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "frame/sch_procs.h"

namespace {

// The editor exchanges the unique identifier through a buffer of its own size.
constexpr int32_t kUniqueIdBufferSize = 1024;

}  // namespace

TSchPart::TSchPart(SchHandle handle) : TSchObject(handle) {
    FObjectId = Kind;
}

int32_t TSchPart::Query(int32_t mode) {
    QueryPrimitive(mode);
    char* libReference = FLibReference.Data();
    char* footprint = FFootprint.Data();
    char* passThroughText = FPassThroughText.Data();
    std::array<char*, 8> eightTexts{};
    std::ranges::transform(FPassThroughTexts, eightTexts.begin(),
                           [](TSchText& text) { return text.Data(); });
    char* lastText = FPassThroughLastText.Data();
    const int32_t result = schapi::QuerySchPart(
        mode, FHandle, &FLocation.X, &FLocation.Y, &FPassThrough1, &FMirrored, &FOrientation,
        &FPrimitiveFlag, &FCurrentPartId, &FPassThrough2, &FPassThrough3, &libReference, &footprint,
        &passThroughText, &FPassThroughValue, eightTexts.data(),
        static_cast<int32_t>(eightTexts.size() - 1), &lastText, &FDesignatorField, &FCommentField,
        &FSheetFileNameField, FPartFields.data(), static_cast<int32_t>(FPartFields.size() - 1),
        &FPassThrough4, &FPassThrough5, &FPassThroughValue2, &FColor, &FPassThroughValue3);
    QueryUniqueId(mode);
    return result;
}

int32_t TSchPart::QueryUniqueId(int32_t mode) {
    // The buffer starts with the current identifier in every mode, so that a read the editor
    // does not answer leaves the field as it was.
    std::vector<char> buffer(kUniqueIdBufferSize, '\0');
    char* data = buffer.data();
    std::copy_n(FUniqueId.data(), std::min(FUniqueId.size(), kMaxUniqueIdLength), data);
    const int32_t result = schapi::QuerySchPartUniqueId(mode, FHandle, &data, kUniqueIdBufferSize);
    if (mode == qmRead) FUniqueId.assign(buffer.data(), strnlen(buffer.data(), kMaxUniqueIdLength));
    return result;
}
