// A small reader of KiCad's s-expression files, for reading back what the export wrote.
//
// TSexprTree parses a whole file into one flat array of nodes whose atoms point into the text
// it keeps (strings are unescaped in place), so that reading a large sheet costs no allocation
// per node. TSexpr is the same expression as a tree of owned values, for small texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kicad {

class TSexprTree;

// One node of a TSexprTree, or no node (false): a list, or an atom (a word or a quoted string).
class TSexprNode {
  public:
    TSexprNode() = default;
    explicit operator bool() const { return FTree != nullptr; }

    bool IsList() const;
    // An atom's text ("" for a list).
    std::string_view Atom() const;
    // The list's head word ("" for an atom or an empty list).
    std::string_view Head() const;
    // The first child list whose head is `head`; no node when there is none.
    TSexprNode Child(std::string_view head) const;
    // Every child list whose head is `head`.
    std::vector<TSexprNode> Children(std::string_view head) const;
    // The atom at `index` of a list; "" past its end or on a list.
    std::string_view AtomAt(size_t index) const;
    // The list's first item and the next item of the same list; no node past the last.
    TSexprNode FirstItem() const;
    TSexprNode NextItem() const;

  private:
    friend class TSexprTree;
    TSexprNode(const TSexprTree* tree, uint32_t index) : FTree(tree), FIndex(index) {}
    const TSexprTree* FTree = nullptr;
    uint32_t FIndex = 0;
};

class TSexprTree {
  public:
    // The whole text as one expression; nullopt, with the reason in `problem`, when it is not
    // one well-formed expression.
    static std::optional<TSexprTree> Parse(std::string text, std::string& problem);

    TSexprNode Root() const { return TSexprNode(this, 0); }

  private:
    friend class TSexprNode;
    friend class TSexprParser;
    static constexpr uint32_t kNone = UINT32_MAX;
    struct TNode {
        uint32_t Begin = 0;  // an atom's text in FText
        uint32_t Length = 0;
        uint32_t First = kNone;  // a list's first item
        uint32_t Next = kNone;   // the next item of the list holding this one
        bool IsList = false;
    };
    std::string FText;
    std::vector<TNode> FNodes;  // the root first
};

// An atom (a word or a quoted string, unescaped) or a list.
struct TSexpr {
    bool IsList = false;
    std::string Atom;
    std::vector<TSexpr> Items;

    // The list's head word ("" for an atom or an empty list).
    const std::string& Head() const;
    // The first child list whose head is `head`; null when there is none.
    const TSexpr* Child(std::string_view head) const;
    // Every child list whose head is `head`.
    std::vector<const TSexpr*> Children(std::string_view head) const;
    // The atom at `index` of a list; "" past its end or on a list.
    std::string AtomAt(size_t index) const;
};

// The whole text as one expression; nullopt, with the reason in `problem`, when it is not one
// well-formed expression.
std::optional<TSexpr> ParseSexpr(std::string_view text, std::string& problem);

// A length in millimetres ("12.7", "-0.254") as micrometres, rounded to the nearest one;
// nullopt for a text that is not a number.
std::optional<int64_t> ParseMicrometres(std::string_view text);

}  // namespace kicad
