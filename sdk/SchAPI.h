// The schematic editor module's flat API (the editor module is QelSch.so).
//
// This header is the contract between the editor module, which exports every function below
// with C linkage, and its plug-ins, which bind them by name at run time (never by linking).
// For each function there is a pointer type `SchAPI_<Name>_t` for the binding side.
//
// Conventions:
//  - Handles (documents, objects, iterators, windows) are opaque 32-bit values; 0 is none.
//  - Exchange calls ("Query...") take a mode first: 0 write, 1 read, 2 second write.
//    Every property follows by address: on a write the editor reads it, on a read it fills it.
//  - A text property is a 256-byte NUL-terminated buffer owned by the caller; the editor gets
//    the address of the buffer pointer (`char**`) and never writes more than 256 bytes.
//  - Coordinates and lengths are in host units (10 mil), Y grows upwards.
#pragma once

#include <cstdint>

extern "C" {

using SchHandle = uint32_t;

// The six-byte real in which arc angles travel (exponent byte biased by 129, 39-bit mantissa
// with an implicit leading one, least significant byte first, sign in the top bit of byte 5).
struct SchReal48 {
    uint8_t bytes[6];
};

enum : int32_t { kSchQueryWrite = 0, kSchQueryRead = 1, kSchQueryWrite2 = 2 };

// Kind codes of the editor's objects.
enum : uint8_t {
    kSchKindArc = 1,
    kSchKindBus = 3,
    kSchKindBusEntry = 4,
    kSchKindText = 5,
    kSchKindJunction = 10,
    kSchKindAnnotation = 11,
    kSchKindLine = 13,
    kSchKindNetLabel = 14,
    kSchKindPart = 16,
    kSchKindPin = 37,
    kSchKindPolygon = 38,
    kSchKindPolyline = 39,
    kSchKindPort = 40,
    kSchKindPowerObject = 41,
    kSchKindSheetSymbol = 45,
    kSchKindWire = 54,
    kSchKindNone = 57,
};

// Size of the text buffers that the exchange calls fill.
enum : int32_t { kSchTextBufferSize = 256 };

#define ZORVAN_SCHAPI_FUNCTIONS(X)                                                                 \
    /* documents, windows and commands */                                                          \
    X(SchHandle, GetCurrentDocumentHandle, (void))                                                 \
    X(SchHandle, GetWindowHandleFromSheetHandle, (SchHandle document))                             \
    X(int32_t, SendCommand,                                                                        \
      (const char* command, char* parameters, uint16_t bufferSize, SchHandle window))              \
    X(int32_t, RedrawSheet, (SchHandle document))                                                  \
    /* objects */                                                                                  \
    X(SchHandle, CreateObjectEx, (uint8_t kind))                                                   \
    X(int32_t, AddObjectToContainer, (SchHandle document, SchHandle object))                       \
    X(int32_t, DestroyObject, (SchHandle object))                                                  \
    X(int32_t, GetObjectIdFromObjectHandle, (SchHandle object))                                    \
    X(SchHandle, CreateIterator, (SchHandle document, uint8_t kind))                               \
    X(SchHandle, GetFirstObject, (SchHandle iterator))                                             \
    X(SchHandle, GetNextObject, (SchHandle iterator))                                              \
    X(int32_t, GetObjectBoundingRectangle,                                                         \
      (SchHandle object, int32_t * x1, int32_t * y1, int32_t * x2, int32_t * y2))                  \
    X(int32_t, ImportFromUser, (SchHandle object))                                                 \
    X(int32_t, RedrawObject, (SchHandle object))                                                   \
    /* documents' names and options */                                                             \
    X(int32_t, QueryDocumentName, (int32_t mode, SchHandle document, char** name, int32_t size))   \
    X(int32_t, QueryDocumentOptions,                                                               \
      (int32_t mode, SchHandle document, uint8_t * b1, uint8_t * b2, uint8_t * b3, uint8_t * b4,   \
       uint8_t * b5, int32_t * l1, uint8_t * pb1, int32_t * pl1, uint8_t * pb2, int32_t * pl2,     \
       uint8_t * pb3, int32_t * pl3, uint8_t * pb4, int32_t * pl4, uint8_t * sheetStyle,           \
       uint8_t * useCustomSheet, int32_t * customX, int32_t * customY, int32_t * l2, int32_t * l3, \
       int32_t * l4, char** t1, char** t2, char** t3, char** t4, char** t5, char** t6, char** t7,  \
       char** t8, int32_t * l5, int32_t * l6, char** t9, int32_t * l7))                            \
    X(int32_t, QuerySchLibOptions,                                                                 \
      (int32_t mode, SchHandle document, int32_t * l3, uint8_t * b1, uint8_t * b2, uint8_t * b3,   \
       uint8_t * b4, uint8_t * b5, uint8_t * b6, int32_t * l1, int32_t * l2, int32_t * l4,         \
       uint8_t * b7, int32_t * l5, uint8_t * b8, int32_t * l6, char** text,                        \
       SchHandle * currentComponent))                                                              \
    X(int32_t, QueryLibraryComponent,                                                              \
      (int32_t mode, SchHandle component, char** t0, char** t1, char** t2, char** t3, char** t4,   \
       char** t5, char** t6, char** t7, char** t8, char** t9, char** t10, char** t11, char** t12,  \
       char** t13, char** t14, char** t15, char** t16, char** t17, char** t18, char** t19,         \
       char** t20, char** t21, char** t22, char** t23, char** t24, char** t25, char** t26,         \
       char** t27, char** t28, char** t29, char** t30))                                            \
    /* the exchange calls shared by every object */                                                \
    X(int32_t, QueryPrimitive,                                                                     \
      (int32_t mode, SchHandle object, uint8_t * objectId, int32_t * x, int32_t * y,               \
       uint32_t * color, uint8_t * primitiveFlag))                                                 \
    X(int32_t, QueryVertexCount, (int32_t mode, SchHandle object, int32_t count))                  \
    X(int32_t, QueryVertexAt,                                                                      \
      (int32_t mode, SchHandle object, int32_t index, int32_t * x, int32_t * y))                   \
    /* the exchange call of each kind */                                                           \
    X(int32_t, QueryArc,                                                                           \
      (int32_t mode, SchHandle object, int32_t * x, int32_t * y, int32_t * radius,                 \
       uint8_t * lineWidth, SchReal48 * startAngle, SchReal48 * endAngle, uint32_t * color,        \
       uint8_t * primitiveFlag))                                                                   \
    X(int32_t, QueryBus,                                                                           \
      (int32_t mode, SchHandle object, uint8_t * lineWidth, uint32_t * color,                      \
       uint8_t * primitiveFlag))                                                                   \
    X(int32_t, QueryBusEntry,                                                                      \
      (int32_t mode, SchHandle object, int32_t * x, int32_t * y, int32_t * cornerX,                \
       int32_t * cornerY, uint8_t * passThrough, uint32_t * color, uint8_t * primitiveFlag))       \
    X(int32_t, QueryText,                                                                          \
      (int32_t mode, SchHandle object, int32_t * x, int32_t * y, uint8_t * isHidden,               \
       int32_t * passThrough, char** text, uint8_t * orientation, uint32_t * color,                \
       uint8_t * primitiveFlag))                                                                   \
    X(int32_t, QueryJunction,                                                                      \
      (int32_t mode, SchHandle object, int32_t * x, int32_t * y, uint8_t * passThrough1,           \
       uint8_t * passThrough2, uint32_t * color, uint8_t * primitiveFlag))                         \
    X(int32_t, QueryLabel,                                                                         \
      (int32_t mode, SchHandle object, int32_t * x, int32_t * y, uint8_t * orientation,            \
       uint32_t * color, int32_t * fontId, uint8_t * primitiveFlag, char** text))                  \
    X(int32_t, QueryLine,                                                                          \
      (int32_t mode, SchHandle object, int32_t * x, int32_t * y, int32_t * cornerX,                \
       int32_t * cornerY, uint8_t * passThrough, uint8_t * lineStyle, uint32_t * color,            \
       uint8_t * primitiveFlag))                                                                   \
    X(int32_t, QueryNetLabel,                                                                      \
      (int32_t mode, SchHandle object, int32_t * x, int32_t * y, uint8_t * orientation,            \
       uint32_t * color, int32_t * passThrough, uint8_t * primitiveFlag, char** text))             \
    X(int32_t, QuerySchPart,                                                                       \
      (int32_t mode, SchHandle object, int32_t * x, int32_t * y, uint8_t * passThrough1,           \
       uint8_t * mirrored, uint8_t * orientation, uint8_t * primitiveFlag,                         \
       int32_t * currentPartId, uint8_t * passThrough2, uint8_t * passThrough3,                    \
       char** libReference, char** footprint, char** passThroughText, int32_t * passThroughValue,  \
       char** eightTexts, int32_t eightTextsHigh, char** lastText, SchHandle * designatorField,    \
       SchHandle * commentField, SchHandle * sheetFileNameField, SchHandle * partFields,           \
       int32_t partFieldsHigh, uint8_t * passThrough4, uint8_t * passThrough5,                     \
       int32_t * passThroughValue2, uint32_t * color, int32_t * passThroughValue3))                \
    X(int32_t, QuerySchPartUniqueId,                                                               \
      (int32_t mode, SchHandle object, char** uniqueId, int32_t size))                             \
    X(int32_t, QueryPin,                                                                           \
      (int32_t mode, SchHandle object, int32_t * x, int32_t * y, char** name, char** designator,   \
       uint8_t * dot, uint8_t * clock, uint8_t * addedPin, uint8_t * showName,                     \
       uint8_t * showDesignator, uint8_t * electrical, int32_t * length, uint8_t * orientation,    \
       uint8_t * primitiveFlag, uint32_t * color))                                                 \
    X(int32_t, QueryPolygon,                                                                       \
      (int32_t mode, SchHandle object, uint8_t * lineWidth, uint32_t * color,                      \
       int32_t * passThrough1, int32_t * passThrough2, uint8_t * primitiveFlag))                   \
    X(int32_t, QueryPolyline,                                                                      \
      (int32_t mode, SchHandle object, uint8_t * lineWidth, int32_t * passThrough,                 \
       uint32_t * color, uint8_t * primitiveFlag))                                                 \
    X(int32_t, QueryPort,                                                                          \
      (int32_t mode, SchHandle object, uint8_t * style, uint8_t * byte2, uint8_t * byte3,          \
       int32_t * width, int32_t * x, int32_t * y, uint32_t * color, int32_t * passThrough1,        \
       int32_t * passThrough2, uint8_t * primitiveFlag, char** name))                              \
    X(int32_t, QueryPowerObject,                                                                   \
      (int32_t mode, SchHandle object, uint8_t * passThrough, int32_t * x, int32_t * y,            \
       uint8_t * orientation, uint32_t * color, uint8_t * primitiveFlag, char** text))             \
    X(int32_t, QuerySheetSymbol,                                                                   \
      (int32_t mode, SchHandle object, int32_t * x, int32_t * y, int32_t * xSize, int32_t * ySize, \
       SchHandle * sheetNameField, SchHandle * fileNameField, uint8_t * passThrough1,              \
       uint8_t * passThrough2, uint8_t * passThrough3, uint32_t * color, int32_t * passThrough4,   \
       uint8_t * primitiveFlag))                                                                   \
    X(int32_t, QueryWire,                                                                          \
      (int32_t mode, SchHandle object, uint8_t * lineWidth, uint32_t * color,                      \
       uint8_t * primitiveFlag))

// Declarations (implemented by the editor module) and pointer types (for binders).
#define ZORVAN_SCHAPI_DECLARE(ret, name, args) \
    ret SchAPI_##name args;                    \
    typedef ret(*SchAPI_##name##_t) args;
ZORVAN_SCHAPI_FUNCTIONS(ZORVAN_SCHAPI_DECLARE)
#undef ZORVAN_SCHAPI_DECLARE

}  // extern "C"
