// Wrappers of the editor objects whose geometry is a list of vertices: buses, polygons,
// polylines and wires. They exchange no location; their colour travels in the kind's own call.
//
// Every vertex is exchanged: `FVertices` holds as many points as the object has (the editor
// numbers them from 1; index i of the vector is the editor's vertex i + 1).
#pragma once

#include <vector>

#include "host/sch_object.h"

class TSchAbstractPolyLineObject : public TSchObject {
  public:
    using TSchObject::TSchObject;

    int32_t Query(int32_t mode) override;

    int32_t VertexCount() const { return static_cast<int32_t>(FVertices.size()); }

    uint8_t FLineWidth = 0;         // 0 (thinnest) to 3
    std::vector<TPoint> FVertices;  // [host units]

  protected:
    // Exchanges the vertex list (both write modes send it as a plain write).
    void QueryVertices(int32_t mode);
};

// The same class under its other name.
using TSchMultiVertexObject = TSchAbstractPolyLineObject;

class TSchBus : public TSchAbstractPolyLineObject {
  public:
    static constexpr THostObjectId Kind = hoBus;
    explicit TSchBus(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;
};

class TSchPolygon : public TSchAbstractPolyLineObject {
  public:
    static constexpr THostObjectId Kind = hoPolygon;
    explicit TSchPolygon(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    int32_t FPassThrough1 = 0;
    int32_t FPassThrough2 = 0;
};

class TSchPolyline : public TSchAbstractPolyLineObject {
  public:
    static constexpr THostObjectId Kind = hoPolyline;
    explicit TSchPolyline(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;

    int32_t FPassThrough = 0;
};

class TSchWire : public TSchMultiVertexObject {
  public:
    static constexpr THostObjectId Kind = hoWire;
    explicit TSchWire(SchHandle handle = 0);
    int32_t Query(int32_t mode) override;
};

// Both names wrap a wire and behave identically.
using TWire = TSchWire;
