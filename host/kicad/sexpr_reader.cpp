#include "sexpr_reader.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace kicad {

const std::string& TSexpr::Head() const {
    static const std::string kEmpty;
    return IsList && !Items.empty() && !Items.front().IsList ? Items.front().Atom : kEmpty;
}

const TSexpr* TSexpr::Child(std::string_view head) const {
    for (const TSexpr& item : Items)
        if (item.IsList && item.Head() == head) return &item;
    return nullptr;
}

std::vector<const TSexpr*> TSexpr::Children(std::string_view head) const {
    std::vector<const TSexpr*> found;
    for (const TSexpr& item : Items)
        if (item.IsList && item.Head() == head) found.push_back(&item);
    return found;
}

std::string TSexpr::AtomAt(size_t index) const {
    return IsList && index < Items.size() && !Items[index].IsList ? Items[index].Atom
                                                                  : std::string();
}

namespace {

class TParser {
  public:
    explicit TParser(std::string_view text) : FText(text) {}

    std::optional<TSexpr> Expression(std::string& problem) {
        SkipBlanks();
        if (FAt >= FText.size())
            return Fail(problem, "the text ends where an expression should start");
        if (FText[FAt] == ')') return Fail(problem, "a ')' without its '('");
        TSexpr expression;
        if (FText[FAt] == '(') {
            ++FAt;
            expression.IsList = true;
            for (;;) {
                SkipBlanks();
                if (FAt >= FText.size()) return Fail(problem, "a list is not closed");
                if (FText[FAt] == ')') {
                    ++FAt;
                    return expression;
                }
                // Deep nesting is bounded by the files we write; guard the stack all the same.
                if (++FDepth > 200) return Fail(problem, "lists nested too deeply");
                std::optional<TSexpr> item = Expression(problem);
                --FDepth;
                if (!item) return std::nullopt;
                expression.Items.push_back(std::move(*item));
            }
        }
        if (FText[FAt] == '"') return QuotedAtom(problem);
        const size_t start = FAt;
        while (FAt < FText.size() && !std::isspace(static_cast<unsigned char>(FText[FAt])) &&
               FText[FAt] != '(' && FText[FAt] != ')')
            ++FAt;
        expression.Atom = std::string(FText.substr(start, FAt - start));
        return expression;
    }

    bool AtEnd() {
        SkipBlanks();
        return FAt >= FText.size();
    }

  private:
    std::optional<TSexpr> QuotedAtom(std::string& problem) {
        TSexpr atom;
        for (++FAt; FAt < FText.size(); ++FAt) {
            char c = FText[FAt];
            if (c == '"') {
                ++FAt;
                return atom;
            }
            if (c == '\\' && FAt + 1 < FText.size()) {
                c = FText[++FAt];
                if (c == 'n') c = '\n';
            }
            atom.Atom += c;
        }
        return Fail(problem, "a string is not closed");
    }

    void SkipBlanks() {
        while (FAt < FText.size() && std::isspace(static_cast<unsigned char>(FText[FAt]))) ++FAt;
    }

    std::optional<TSexpr> Fail(std::string& problem, const char* why) {
        problem = std::string(why) + " (at byte " + std::to_string(FAt) + ")";
        return std::nullopt;
    }

    std::string_view FText;
    size_t FAt = 0;
    int FDepth = 0;
};

}  // namespace

std::optional<TSexpr> ParseSexpr(std::string_view text, std::string& problem) {
    TParser parser(text);
    std::optional<TSexpr> expression = parser.Expression(problem);
    if (expression && !parser.AtEnd()) {
        problem = "text after the expression";
        return std::nullopt;
    }
    return expression;
}

std::optional<int64_t> ParseMicrometres(std::string_view text) {
    double millimetres = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), millimetres);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(millimetres) ||
        std::fabs(millimetres) > 1e9)
        return std::nullopt;
    return std::llround(millimetres * 1000.0);
}

}  // namespace kicad
