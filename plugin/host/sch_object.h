// The base of the wrappers through which the module creates, reads and writes the schematic
// editor's objects. A wrapper owns no editor object: it names one by handle, copies its
// properties in (`Query(qmRead)`) or out (`Query(qmWrite)`), and is dropped when the caller is
// done; the editor object stays in its document.
//
// Making a new editor object always takes six steps (see create_host_object.h):
//  1. schapi::CreateObjectEx(kind) gives a new object holding the editor's defaults;
//  2. a wrapper of that kind is made over the handle;
//  3. Query(qmRead) copies every default into the wrapper;
//  4. the caller changes only the fields it knows about;
//  5. Query(qmWrite) sends every field back, untouched ones unchanged;
//  6. schapi::AddObjectToContainer(document, object) puts the object into the document.
// Nothing is written to an editor object before it was read, so whatever the module never sets
// keeps the editor's default.
//
// Coordinates and lengths are in host units (10 mil), Y upwards. Colours are 0x00BBGGRR.
#pragma once

#include <cstdint>

#include "SchAPI.h"
#include "host/point.h"

// Modes of `Query`. qmWrite2 sends the same data as qmWrite; only the editor tells them apart.
enum TQueryMode : int32_t { qmWrite = 0, qmRead = 1, qmWrite2 = 2 };

// Kind codes of the editor's objects: the argument of CreateObjectEx and the answer of
// GetObjectIdFromObjectHandle.
enum THostObjectId : uint8_t {
    hoArc = kSchKindArc,
    hoBus = kSchKindBus,
    hoBusEntry = kSchKindBusEntry,
    hoText = kSchKindText,
    hoJunction = kSchKindJunction,
    hoAnnotation = kSchKindAnnotation,
    hoLine = kSchKindLine,
    hoNetLabel = kSchKindNetLabel,
    hoPart = kSchKindPart,
    hoPin = kSchKindPin,
    hoPolygon = kSchKindPolygon,
    hoPolyline = kSchKindPolyline,
    hoPort = kSchKindPort,
    hoPowerObject = kSchKindPowerObject,
    hoSheetSymbol = kSchKindSheetSymbol,
    hoWire = kSchKindWire,
    hoNone = kSchKindNone,  // no object; also what an unbound editor answers
};

class TSchObject {
  public:
    // Every wrapper class names its kind: `static constexpr THostObjectId Kind`.
    explicit TSchObject(SchHandle handle = 0) : FHandle(handle) {}
    virtual ~TSchObject() = default;
    TSchObject(const TSchObject&) = default;
    TSchObject& operator=(const TSchObject&) = default;

    // Exchanges the fields with the editor object; answers the editor's result (no caller uses
    // it). The base exchanges the properties every object shares.
    virtual int32_t Query(int32_t mode);
    // The object's extent: lower left (x1, y1), upper right (x2, y2) [host units]; -1 four times
    // when there is no handle or no editor.
    virtual void GetBoundingRectangle(int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2);
    // Lets the user edit the object in the editor; reads it again when the user confirmed.
    // False without a handle or an editor.
    virtual bool ImportFromUser();
    virtual void Redraw();
    virtual SchHandle GetHandle() const { return FHandle; }
    virtual uint8_t GetObjectId() const { return FObjectId; }

    // May be reassigned to point one wrapper at several editor objects in turn.
    SchHandle FHandle = 0;
    // The kind: the class's own code until a read replaces it with the editor's.
    uint8_t FObjectId = hoNone;
    // Carried by every exchange; the module never sets it.
    uint8_t FPrimitiveFlag = 0;
    TPoint FLocation;  // [host units]
    uint32_t FColor = 0;

  protected:
    // The shared properties: kind, location, colour, primitive flag.
    int32_t QueryPrimitive(int32_t mode);
};
