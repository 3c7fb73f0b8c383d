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

// --- the flat tree ----------------------------------------------------------------------------

bool TSexprNode::IsList() const {
    return FTree->FNodes[FIndex].IsList;
}

std::string_view TSexprNode::Atom() const {
    const TSexprTree::TNode& node = FTree->FNodes[FIndex];
    if (node.IsList) return {};
    return std::string_view(FTree->FText).substr(node.Begin, node.Length);
}

std::string_view TSexprNode::Head() const {
    if (!IsList()) return {};
    const TSexprNode first = FirstItem();
    return first && !first.IsList() ? first.Atom() : std::string_view();
}

TSexprNode TSexprNode::Child(std::string_view head) const {
    if (!IsList()) return {};
    for (TSexprNode item = FirstItem(); item; item = item.NextItem())
        if (item.IsList() && item.Head() == head) return item;
    return {};
}

std::vector<TSexprNode> TSexprNode::Children(std::string_view head) const {
    std::vector<TSexprNode> found;
    if (!IsList()) return found;
    for (TSexprNode item = FirstItem(); item; item = item.NextItem())
        if (item.IsList() && item.Head() == head) found.push_back(item);
    return found;
}

std::string_view TSexprNode::AtomAt(size_t index) const {
    if (!IsList()) return {};
    TSexprNode item = FirstItem();
    for (; item && index > 0; --index) item = item.NextItem();
    return item && !item.IsList() ? item.Atom() : std::string_view();
}

TSexprNode TSexprNode::FirstItem() const {
    const uint32_t first = FTree->FNodes[FIndex].First;
    return first == TSexprTree::kNone ? TSexprNode() : TSexprNode(FTree, first);
}

TSexprNode TSexprNode::NextItem() const {
    const uint32_t next = FTree->FNodes[FIndex].Next;
    return next == TSexprTree::kNone ? TSexprNode() : TSexprNode(FTree, next);
}

// Reads the text of a tree into its nodes, one item at a time with a stack of the open lists
// (no recursion, however deep the text nests).
class TSexprParser {
  public:
    explicit TSexprParser(TSexprTree& tree) : FTree(tree), FText(tree.FText) {}

    bool Run(std::string& problem) {
        if (FText.size() >= TSexprTree::kNone) {
            problem = "the text is too long";
            return false;
        }
        SkipBlanks();
        if (FAt >= FText.size())
            return Fail(problem, "the text ends where an expression should start");
        if (FText[FAt] == ')') return Fail(problem, "a ')' without its '('");
        if (!Item(problem)) return false;
        while (!FOpen.empty()) {
            SkipBlanks();
            if (FAt >= FText.size()) return Fail(problem, "a list is not closed");
            if (FText[FAt] == ')') {
                ++FAt;
                FOpen.pop_back();
                continue;
            }
            // Deep nesting is bounded by the files we write; refuse more all the same.
            if (FOpen.size() > 200) return Fail(problem, "lists nested too deeply");
            if (!Item(problem)) return false;
        }
        SkipBlanks();
        if (FAt < FText.size()) {
            problem = "text after the expression";
            return false;
        }
        return true;
    }

  private:
    struct TOpen {
        uint32_t Node;
        uint32_t Last = TSexprTree::kNone;
    };

    // The item starting at FAt (neither a blank nor a ')'), added to the list open last.
    bool Item(std::string& problem) {
        const uint32_t index = static_cast<uint32_t>(FTree.FNodes.size());
        TSexprTree::TNode& node = FTree.FNodes.emplace_back();
        if (!FOpen.empty()) {
            TOpen& parent = FOpen.back();
            if (parent.Last == TSexprTree::kNone)
                FTree.FNodes[parent.Node].First = index;
            else
                FTree.FNodes[parent.Last].Next = index;
            parent.Last = index;
        }
        if (FText[FAt] == '(') {
            ++FAt;
            node.IsList = true;
            FOpen.push_back({index});
            return true;
        }
        if (FText[FAt] == '"') return QuotedAtom(index, problem);
        const size_t start = FAt;
        while (FAt < FText.size() && !std::isspace(static_cast<unsigned char>(FText[FAt])) &&
               FText[FAt] != '(' && FText[FAt] != ')')
            ++FAt;
        node.Begin = static_cast<uint32_t>(start);
        node.Length = static_cast<uint32_t>(FAt - start);
        return true;
    }

    // Unescapes the string in place: its text never grows, so it is written over itself.
    bool QuotedAtom(uint32_t index, std::string& problem) {
        const size_t begin = FAt + 1;
        size_t written = begin;
        for (++FAt; FAt < FText.size(); ++FAt) {
            char c = FText[FAt];
            if (c == '"') {
                ++FAt;
                FTree.FNodes[index].Begin = static_cast<uint32_t>(begin);
                FTree.FNodes[index].Length = static_cast<uint32_t>(written - begin);
                return true;
            }
            if (c == '\\' && FAt + 1 < FText.size()) {
                c = FText[++FAt];
                if (c == 'n') c = '\n';
            }
            FText[written++] = c;
        }
        return Fail(problem, "a string is not closed");
    }

    void SkipBlanks() {
        while (FAt < FText.size() && std::isspace(static_cast<unsigned char>(FText[FAt]))) ++FAt;
    }

    bool Fail(std::string& problem, const char* why) {
        problem = std::string(why) + " (at byte " + std::to_string(FAt) + ")";
        return false;
    }

    TSexprTree& FTree;
    std::string& FText;
    size_t FAt = 0;
    std::vector<TOpen> FOpen;
};

std::optional<TSexprTree> TSexprTree::Parse(std::string text, std::string& problem) {
    TSexprTree tree;
    tree.FText = std::move(text);
    if (!TSexprParser(tree).Run(problem)) return std::nullopt;
    return tree;
}

// --- the tree of values ------------------------------------------------------------------------

namespace {

TSexpr ToValue(TSexprNode node) {
    TSexpr value;
    value.IsList = node.IsList();
    if (!value.IsList) value.Atom = std::string(node.Atom());
    for (TSexprNode item = value.IsList ? node.FirstItem() : TSexprNode(); item;
         item = item.NextItem())
        value.Items.push_back(ToValue(item));
    return value;
}

}  // namespace

std::optional<TSexpr> ParseSexpr(std::string_view text, std::string& problem) {
    std::optional<TSexprTree> tree = TSexprTree::Parse(std::string(text), problem);
    if (!tree) return std::nullopt;
    return ToValue(tree->Root());
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
