// Disjoint sets (union-find) over dense element numbers: what joins the connection items of the
// sheets into nets.
#pragma once

#include <cstddef>
#include <numeric>
#include <vector>

namespace connectivity {

class TDisjointSets {
  public:
    // A new element in a set of its own; elements are numbered 0, 1, 2... in creation order.
    size_t Add() {
        FParent.push_back(FParent.size());
        FRank.push_back(0);
        return FParent.size() - 1;
    }
    size_t Size() const { return FParent.size(); }

    // The representative of the element's set (path halving keeps the trees flat).
    size_t Find(size_t element) {
        while (FParent[element] != element) {
            FParent[element] = FParent[FParent[element]];
            element = FParent[element];
        }
        return element;
    }

    void Join(size_t a, size_t b) {
        a = Find(a);
        b = Find(b);
        if (a == b) return;
        if (FRank[a] < FRank[b]) std::swap(a, b);
        FParent[b] = a;
        if (FRank[a] == FRank[b]) ++FRank[a];
    }

  private:
    std::vector<size_t> FParent;
    std::vector<unsigned char> FRank;
};

}  // namespace connectivity
