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
    FNodes.clear();
    FByFrom.clear();
    FByTo.clear();
    std::vector<TSpan> spans = std::move(Spans);
    Spans.clear();
    FByFrom.reserve(spans.size());
    FByTo.reserve(spans.size());
    BuildNode(spans);
}

size_t TSegmentIndex::TLine::BuildNode(std::vector<TSpan>& spans) {
    if (spans.empty()) return kNone;
    // The median of all end points: every side keeps at most half the spans, and the span it
    // came from holds it, so each node takes at least one span.
    std::vector<int64_t> ends;
    ends.reserve(2 * spans.size());
    for (const TSpan& span : spans) {
        ends.push_back(span.From);
        ends.push_back(span.To);
    }
    const auto middle = ends.begin() + static_cast<std::ptrdiff_t>(ends.size() / 2);
    std::nth_element(ends.begin(), middle, ends.end());
    const int64_t centre = *middle;

    std::vector<TSpan> before, after;
    const size_t first = FByFrom.size();
    for (const TSpan& span : spans) {
        if (span.To < centre)
            before.push_back(span);
        else if (span.From > centre)
            after.push_back(span);
        else
            FByFrom.push_back(span);
    }
    spans.clear();
    spans.shrink_to_fit();
    const auto held = FByFrom.begin() + static_cast<std::ptrdiff_t>(first);
    std::sort(held, FByFrom.end(), [](const TSpan& l, const TSpan& r) { return l.From < r.From; });
    FByTo.insert(FByTo.end(), held, FByFrom.end());
    std::sort(FByTo.begin() + static_cast<std::ptrdiff_t>(first), FByTo.end(),
              [](const TSpan& l, const TSpan& r) { return l.To > r.To; });

    const size_t node = FNodes.size();
    FNodes.push_back({centre, first, FByFrom.size() - first, kNone, kNone});
    const size_t beforeNode = BuildNode(before);
    FNodes[node].Before = beforeNode;
    const size_t afterNode = BuildNode(after);
    FNodes[node].After = afterNode;
    return node;
}

template <class F>
void TSegmentIndex::TLine::Visit(int64_t at, F&& visit) const {
    size_t index = FNodes.empty() ? kNone : 0;
    while (index != kNone) {
        const TNode& node = FNodes[index];
        const size_t last = node.First + node.Count;
        if (at < node.Centre) {
            // Spans holding the centre hold `at` when they start at or before it.
            for (size_t i = node.First; i < last && FByFrom[i].From <= at; ++i) visit(FByFrom[i]);
            index = node.Before;
        } else if (at > node.Centre) {
            for (size_t i = node.First; i < last && FByTo[i].To >= at; ++i) visit(FByTo[i]);
            index = node.After;
        } else {
            for (size_t i = node.First; i < last; ++i) visit(FByFrom[i]);
            return;
        }
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
