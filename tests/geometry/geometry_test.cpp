#include "host/geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(Geometry, QuarterTurns) {
    struct TCase {
        double Degrees;
        uint8_t Turns;
    };
    for (const TCase& c : {TCase{0.0, 0},
                           {90.0, 1},
                           {270.0, 3},
                           {44.9, 0},
                           {45.0, 0},
                           {135.0, 2},
                           {225.0, 2},
                           {315.0, 4},
                           {360.0, 4},
                           {-90.0, 255},
                           {-45.0, 0},
                           {-135.0, 254},
                           {23040.0, 0},
                           {23130.0, 1},
                           {1e300, static_cast<uint8_t>(0)},
                           {-1e300, 0}}) {
        EXPECT_EQ(QuarterTurns(c.Degrees), c.Turns) << c.Degrees;
    }
    EXPECT_EQ(QuarterTurns(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(QuarterTurns(std::numeric_limits<double>::infinity()), 0);
}

TEST(Geometry, RotateVectorByEveryCount) {
    struct TCase {
        uint8_t Turns;
        TPoint Expected;
    };
    // Counts are taken modulo 4: 4 is no turn, 255 (-90 degrees) is three quarter turns.
    for (const TCase& c : {TCase{0, {3, 5}},
                           {1, {-5, 3}},
                           {2, {-3, -5}},
                           {3, {5, -3}},
                           {4, {3, 5}},
                           {5, {-5, 3}},
                           {255, {5, -3}}}) {
        TPoint p{3, 5};
        RotateVector(p, c.Turns);
        EXPECT_EQ(p, c.Expected) << int(c.Turns);
    }
}

TEST(Geometry, RotationsAgreeWithOrientationsForAnyRotation) {
    // Turning the +x direction must give the direction of the added orientation code.
    const TPoint directions[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (double degrees : {-270.0, -180.0, -90.0, 0.0, 90.0, 360.0, 450.0, 720.0, 810.0}) {
        const uint8_t turns = QuarterTurns(degrees);
        TPoint p{1, 0};
        RotateVector(p, turns);
        EXPECT_EQ(p, directions[AddOrientation(0, turns)]) << degrees;
    }
}

TEST(Geometry, RotatePointAboutAndMirror) {
    TPoint p{15, 12};
    RotatePointAbout(TPoint{10, 10}, p, 0);
    EXPECT_EQ(p, (TPoint{15, 12}));
    RotatePointAbout(TPoint{10, 10}, p, 2);
    EXPECT_EQ(p, (TPoint{5, 8}));
    RotatePointAbout(TPoint{10, 10}, p, 1);
    EXPECT_EQ(p, (TPoint{12, 5}));

    int32_t x = 7;
    int32_t y = -4;
    MirrorX(x, y);
    EXPECT_EQ(x, -7);
    EXPECT_EQ(y, -4);
}

TEST(Geometry, ExtremeCoordinatesWrapWithoutOverflow) {
    TPoint p{kMin, kMax};
    RotateVector(p, 1);
    EXPECT_EQ(p, (TPoint{kMin + 1, kMin}));  // -kMax, and -kMin wraps to kMin
    MirrorX(p);
    EXPECT_EQ(p.X, kMax);
    TPoint q{kMax, 0};
    RotatePointAbout(TPoint{kMin, 0}, q, 2);
    EXPECT_EQ(q, (TPoint{kMin + 1, 0}));
    std::vector<TPoint> line = {{kMax, kMin}};
    OffsetPolyline(line, 1, -1);
    EXPECT_EQ(line[0], (TPoint{kMin, kMax}));
}

TEST(Geometry, OrientationCodes) {
    const uint8_t opposite[4] = {2, 3, 0, 1};
    const uint8_t mirrored[4] = {2, 1, 0, 3};
    for (uint8_t code = 0; code < 8; ++code) {
        EXPECT_EQ(OppositeOrientation(code), opposite[code & 3]) << int(code);
        EXPECT_EQ(MirrorOrientation(code), mirrored[code & 3]) << int(code);
        EXPECT_EQ(OppositeOrientation(OppositeOrientation(code)), code & 3);
    }
    EXPECT_EQ(AddOrientation(3, 1), 0);
    EXPECT_EQ(AddOrientation(2, 4), 2);  // 360 degrees: the code itself
    EXPECT_EQ(AddOrientation(1, 255), 0);
}

TEST(Geometry, PlaceInSymbolRotatesBeforeMirroring) {
    struct TCase {
        double Rotation;
        bool Flipped;
        TPoint Point;
        uint8_t Orientation;
    };
    // A pin at (10, 0) pointing +x (code 0), instance at (100, 200).
    for (const TCase& c : {TCase{0, false, {110, 200}, 0},
                           {90, false, {100, 210}, 1},
                           {180, false, {90, 200}, 2},
                           {270, false, {100, 190}, 3},
                           {360, false, {110, 200}, 0},
                           {0, true, {90, 200}, 2},
                           {90, true, {100, 210}, 1},
                           {270, true, {100, 190}, 3},
                           {-90, false, {100, 190}, 3}}) {
        TPoint p{10, 0};
        uint8_t orientation = 0;
        PlaceInSymbol(p, orientation, TPoint{100, 200}, c.Rotation, c.Flipped);
        EXPECT_EQ(p, c.Point) << c.Rotation << (c.Flipped ? " flipped" : "");
        EXPECT_EQ(orientation, c.Orientation) << c.Rotation << (c.Flipped ? " flipped" : "");
    }
}

TEST(Geometry, SnapToWire) {
    struct TCase {
        TPoint End1, End2, Anchor, Expected;
    };
    for (const TCase& c : {
             TCase{{0, 0}, {100, 0}, {40, 7}, {40, 0}},
             {{0, 0}, {100, 0}, {150, 7}, {100, 0}},
             {{0, 0}, {100, 0}, {-20, 7}, {100, 0}},
             {{100, 0}, {0, 0}, {100, 3}, {100, 0}},  // on the end point: inclusive
             {{0, 100}, {0, 0}, {5, 30}, {0, 30}},
             {{0, 100}, {0, 0}, {5, 130}, {0, 0}},
             {{0, 0}, {0, 100}, {5, -1}, {0, 100}},
             {{7, 7}, {7, 7}, {9, 9}, {7, 7}},  // zero length: the vertical rule
             {{0, 0}, {100, 100}, {0, 100}, {50, 50}},
             {{0, 0}, {100, 100}, {200, 300}, {250, 250}},  // not clipped to the wire
             {{0, 0}, {100, 50}, {0, 50}, {50, 25}},
             {{0, 0}, {4, 2}, {0, 1}, {1, 0}},  // y 0.5 -> 0, ties to even
             {{0, 0}, {4, 2}, {1, 1}, {2, 1}},  // x 1.5 -> 2
             {{kMin, kMin}, {kMax, kMax}, {0, 0}, {0, 0}},
         }) {
        EXPECT_EQ(SnapToWire(c.End1, c.End2, c.Anchor), c.Expected)
            << c.End1.X << "," << c.End1.Y << " " << c.End2.X << "," << c.End2.Y << " @ "
            << c.Anchor.X << "," << c.Anchor.Y;
    }
}

TEST(Geometry, OffsetPolylineMovesEveryVertex) {
    std::vector<TPoint> vertices;
    for (int32_t i = 0; i < 60; ++i) vertices.push_back({i, -i});
    OffsetPolyline(vertices, 5, -7);
    for (int32_t i = 0; i < 60; ++i) EXPECT_EQ(vertices[i], (TPoint{i + 5, -i - 7}));
}

}  // namespace
