// The wire segments of one sheet, indexed so that the question "which wires pass through this
// point" costs a lookup and a short scan instead of a pass over every wire of the sheet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "sheet_point.h"

namespace connectivity {

class TSegmentIndex {
  public:
    // Adds the segment from a to b (end points included) for `owner`. A segment of length zero
    // is a point and is left to the caller.
    void Add(TSheetPoint a, TSheetPoint b, size_t owner);
    // Sorts what was added; call once before the first Visit.
    void Build();
    // Calls `visit` with the owner of every segment that holds `p` (end points and interior);
    // an owner with several such segments may be visited more than once.
    void Visit(TSheetPoint p, const std::function<void(size_t owner)>& visit) const;

  private:
    // Segments on one line, by their span along it.
    struct TSpan {
        int64_t From = 0;  // From <= To
        int64_t To = 0;
        size_t Segment = 0;  // index into FSlanted for slanted segments, else the owner
    };
    // The spans of one line as a centred interval tree: each node keeps the spans that hold its
    // centre, and the spans wholly before and after it go to its two subtrees. A point visit
    // walks one path of the tree and touches only spans that hold the point, so a long span
    // among many short ones on one line costs nothing extra.
    struct TLine {
        std::vector<TSpan> Spans;  // as added; emptied by Build
        void Build();
        // Calls visit(span) for every span that covers `at`.
        template <class F>
        void Visit(int64_t at, F&& visit) const;

      private:
        struct TNode {
            int64_t Centre = 0;
            size_t First = 0, Count = 0;  // its spans in ByFrom and ByTo
            size_t Before = kNone, After = kNone;
        };
        static constexpr size_t kNone = static_cast<size_t>(-1);
        size_t BuildNode(std::vector<TSpan>& spans);
        std::vector<TNode> FNodes;   // the root first
        std::vector<TSpan> FByFrom;  // per node: its spans by rising From
        std::vector<TSpan> FByTo;    // per node: its spans by falling To
    };
    struct TSlanted {
        TSheetPoint A, B;
        size_t Owner = 0;
    };

    std::map<int64_t, TLine> FHorizontal;  // by y, spans along x
    std::map<int64_t, TLine> FVertical;    // by x, spans along y
    std::vector<TSlanted> FSlanted;
    TLine FSlantedByX;  // slanted segments by their span along x
};

}  // namespace connectivity
