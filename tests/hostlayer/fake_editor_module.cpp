// A tiny editor module for the binding test: it exports two of the editor's functions, so the
// rest must stay unbound.
#include "SchAPI.h"

extern "C" {

__attribute__((visibility("default"))) SchHandle SchAPI_CreateObjectEx(uint8_t kind) {
    return 4200u + kind;
}

__attribute__((visibility("default"))) int32_t SchAPI_GetObjectIdFromObjectHandle(SchHandle) {
    return 41;
}

}  // extern "C"
