#include "segment_index.h"

#include <algorithm>

namespace connectivity {

namespace {

// Whether p lies on the slanted segment a-b: on its line (exact integer cross product) and
// within its box. Products of two 64-bit coordinates differences need 128 bits.
bool OnSlantedSegment(TSheetPoint a, TSheetPoint b, TSheetPoint p) {
    const __int128 cross = static_cast<__int128>(b.X - a.X) * (p.Y - a.Y) -
                           static_cast<__int128>(b.Y - a.Y) * (p.X - a.X);
    if (cross != 0) return false;
    return p.X >= std::min(a.X, b.X) && p.X <= std::max(a.X, b.X) && p.Y >= std::min(a.Y, b.Y) &&
           p.Y <= std::max(a.Y, b.Y);
}

}  // namespace

void TSegmentIndex::TLine::Build() {
    std::sort(Spans.begin(), Spans.end(),
              [](const TSpan& l, const TSpan& r) { return l.From < r.From; });
    ReachBefore.resize(Spans.size());
    int64_t reach = INT64_MIN;
    for (size_t i = 0; i < Spans.size(); ++i) ReachBefore[i] = reach = std::max(reach, Spans[i].To);
}

template <class F>
void TSegmentIndex::TLine::Visit(int64_t at, F&& visit) const {
    // Spans starting after `at` cannot hold it; walk back from the last one starting at or
    // before it while some span up to there still reaches `at`.
    auto after = std::upper_bound(Spans.begin(), Spans.end(), at,
                                  [](int64_t v, const TSpan& span) { return v < span.From; });
    for (size_t i = static_cast<size_t>(after - Spans.begin()); i > 0 && ReachBefore[i - 1] >= at;
         --i) {
        if (Spans[i - 1].To >= at) visit(Spans[i - 1]);
    }
}

void TSegmentIndex::Add(TSheetPoint a, TSheetPoint b, size_t owner) {
    if (a == b) return;
    if (a.Y == b.Y) {
        FHorizontal[a.Y].Spans.push_back({std::min(a.X, b.X), std::max(a.X, b.X), owner});
    } else if (a.X == b.X) {
        FVertical[a.X].Spans.push_back({std::min(a.Y, b.Y), std::max(a.Y, b.Y), owner});
    } else {
        FSlantedByX.Spans.push_back({std::min(a.X, b.X), std::max(a.X, b.X), FSlanted.size()});
        FSlanted.push_back({a, b, owner});
    }
}

void TSegmentIndex::Build() {
    for (auto& [y, line] : FHorizontal) line.Build();
    for (auto& [x, line] : FVertical) line.Build();
    FSlantedByX.Build();
}

void TSegmentIndex::Visit(TSheetPoint p, const std::function<void(size_t owner)>& visit) const {
    if (auto found = FHorizontal.find(p.Y); found != FHorizontal.end())
        found->second.Visit(p.X, [&](const TSpan& span) { visit(span.Segment); });
    if (auto found = FVertical.find(p.X); found != FVertical.end())
        found->second.Visit(p.Y, [&](const TSpan& span) { visit(span.Segment); });
    FSlantedByX.Visit(p.X, [&](const TSpan& span) {
        const TSlanted& segment = FSlanted[span.Segment];
        if (OnSlantedSegment(segment.A, segment.B, p)) visit(segment.Owner);
    });
}

}  // namespace connectivity
