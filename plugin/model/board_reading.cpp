#include "model/board_reading.h"

#include "reader/keywords.h"
#include "reader/parse_loop.h"

void ReadPointsInPlace(TNimboObject& self, std::vector<TPoint>& points) {
    ReadGroupInPlace(self, [&](int32_t token) {
        if (token != kw::pt) return false;
        points.push_back(self.ReadPoint());
        return true;
    });
}
