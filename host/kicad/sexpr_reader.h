// A small reader of KiCad's s-expression files, for reading back what the export wrote.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kicad {

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
