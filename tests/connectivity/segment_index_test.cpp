// The segment index finds exactly the segments that hold a point, whatever mix of long and
// short, nested, overlapping and slanted segments a line carries.

#include "segment_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace connectivity {
namespace {

struct TSegment {
    TSheetPoint A, B;
};

bool Holds(const TSegment& s, TSheetPoint p) {
    const int64_t cross = (s.B.X - s.A.X) * (p.Y - s.A.Y) - (s.B.Y - s.A.Y) * (p.X - s.A.X);
    return cross == 0 && p.X >= std::min(s.A.X, s.B.X) && p.X <= std::max(s.A.X, s.B.X) &&
           p.Y >= std::min(s.A.Y, s.B.Y) && p.Y <= std::max(s.A.Y, s.B.Y);
}

std::vector<size_t> Visited(const TSegmentIndex& index, TSheetPoint p) {
    std::vector<size_t> owners;
    index.Visit(p, [&](size_t owner) { owners.push_back(owner); });
    std::sort(owners.begin(), owners.end());
    return owners;
}

std::vector<size_t> Expected(const std::vector<TSegment>& segments, TSheetPoint p) {
    std::vector<size_t> owners;
    for (size_t i = 0; i < segments.size(); ++i)
        if (!(segments[i].A == segments[i].B) && Holds(segments[i], p)) owners.push_back(i);
    return owners;
}

TEST(SegmentIndex, VisitsExactlyTheSegmentsHoldingAPoint) {
    std::mt19937 random(7);
    auto coordinate = [&](int range) {
        return static_cast<int64_t>(std::uniform_int_distribution<int>(-range, range)(random));
    };
    for (int round = 0; round < 20; ++round) {
        std::vector<TSegment> segments;
        TSegmentIndex index;
        for (int i = 0; i < 300; ++i) {
            const TSheetPoint a{coordinate(40), coordinate(6)};
            TSheetPoint b = a;
            switch (i % 5) {
                case 0:
                    b.X = coordinate(40);
                    break;  // horizontal, any length
                case 1:
                    b.Y = coordinate(40);
                    break;  // vertical
                case 2:
                    b.X = a.X + coordinate(3);
                    break;  // short, often a point
                case 3:
                    b = {a.X + 7, a.Y + 7 * (i % 2 ? 1 : -1)};
                    break;  // slanted
                default:
                    b = {a.X - 40 + (round % 3), a.Y};
                    break;  // long, overlapping others
            }
            segments.push_back({a, b});
            index.Add(a, b, i);
        }
        index.Build();
        for (int x = -45; x <= 45; ++x)
            for (int y = -45; y <= 45; y += 3) {
                const TSheetPoint p{x, y};
                ASSERT_EQ(Visited(index, p), Expected(segments, p))
                    << "round " << round << " at (" << x << ", " << y << ")";
            }
    }
}

TEST(SegmentIndex, EmptyAndSingleSegmentLines) {
    TSegmentIndex empty;
    empty.Build();
    EXPECT_TRUE(Visited(empty, {0, 0}).empty());

    TSegmentIndex one;
    one.Add({0, 5}, {10, 5}, 3);
    one.Add({2, 2}, {2, 2}, 4);  // a point is the caller's
    one.Build();
    EXPECT_EQ(Visited(one, {0, 5}), std::vector<size_t>{3});
    EXPECT_EQ(Visited(one, {10, 5}), std::vector<size_t>{3});
    EXPECT_EQ(Visited(one, {5, 5}), std::vector<size_t>{3});
    EXPECT_TRUE(Visited(one, {11, 5}).empty());
    EXPECT_TRUE(Visited(one, {2, 2}).empty());
}

}  // namespace
}  // namespace connectivity
