#include "host/sch_vertex_objects.h"

#include <algorithm>

#include "frame/sch_procs.h"

int32_t TSchAbstractPolyLineObject::Query(int32_t mode) {
    QueryVertices(mode);
    return 1;
}

void TSchAbstractPolyLineObject::QueryVertices(int32_t mode) {
    // The editor numbers vertices from 1.
    if (mode == qmRead) {
        const int32_t count = schapi::QueryVertexCount(qmRead, FHandle, VertexCount());
        FVertices.assign(static_cast<size_t>(std::max(count, 0)), TPoint{});
        for (int32_t i = 0; i < count; ++i)
            schapi::QueryVertexAt(qmRead, FHandle, i + 1, &FVertices[i].X, &FVertices[i].Y);
        return;
    }
    // Both write modes send the vertices as a plain write.
    const int32_t count = VertexCount();
    schapi::QueryVertexCount(qmWrite, FHandle, count);
    for (int32_t i = 0; i < count; ++i)
        schapi::QueryVertexAt(qmWrite, FHandle, i + 1, &FVertices[i].X, &FVertices[i].Y);
}

TSchBus::TSchBus(SchHandle handle) : TSchAbstractPolyLineObject(handle) {
    FObjectId = Kind;
}

int32_t TSchBus::Query(int32_t mode) {
    QueryVertices(mode);
    return schapi::QueryBus(mode, FHandle, &FLineWidth, &FColor, &FPrimitiveFlag);
}

TSchPolygon::TSchPolygon(SchHandle handle) : TSchAbstractPolyLineObject(handle) {
    FObjectId = Kind;
}

int32_t TSchPolygon::Query(int32_t mode) {
    QueryVertices(mode);
    return schapi::QueryPolygon(mode, FHandle, &FLineWidth, &FColor, &FPassThrough1, &FPassThrough2,
                                &FPrimitiveFlag);
}

TSchPolyline::TSchPolyline(SchHandle handle) : TSchAbstractPolyLineObject(handle) {
    FObjectId = Kind;
}

int32_t TSchPolyline::Query(int32_t mode) {
    QueryVertices(mode);
    return schapi::QueryPolyline(mode, FHandle, &FLineWidth, &FPassThrough, &FColor,
                                 &FPrimitiveFlag);
}

TSchWire::TSchWire(SchHandle handle) : TSchMultiVertexObject(handle) {
    FObjectId = Kind;
}

int32_t TSchWire::Query(int32_t mode) {
    QueryVertices(mode);
    return schapi::QueryWire(mode, FHandle, &FLineWidth, &FColor, &FPrimitiveFlag);
}
