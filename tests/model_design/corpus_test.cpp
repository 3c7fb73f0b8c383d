// The real-world designs of the shared corpus import without a failure, and what reaches the
// editor matches what the files hold.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "design_import.h"

namespace design_test {
namespace {

struct CorpusCase {
    const char* file;
    size_t sheets;
    bool busEntries;  // the file joins wires to buses at bus entries
};

void PrintTo(const CorpusCase& c, std::ostream* out) { *out << c.file; }

class CorpusDesigns : public DesignImport, public ::testing::WithParamInterface<CorpusCase> {};

// Occurrences of `word` in the text.
size_t Count(const std::string& text, const std::string& word) {
    size_t count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        ++count;
    }
    return count;
}

TEST_P(CorpusDesigns, ImportsEverySheetWithItsWiresAndPorts) {
    const auto path = std::string(CORPUS) + "/" + GetParam().file;
    std::ifstream file(path, std::ios::binary);
    if (!file) GTEST_SKIP() << "corpus not available: " << path;
    std::stringstream text;
    text << file.rdbuf();
    Import(text.str());

    size_t sheets = 0;
    size_t wires = 0;
    size_t ports = 0;
    size_t entries = 0;
    for (const auto& info : qelsch::Editor().ListDocuments()) {
        if (info.kind != qelsch::DocumentKind::Sheet) continue;
        const qelsch::Document& document = *Document(info.name);
        if (document.options.titleSheet == 0 && info.name.find(".prj") == std::string::npos) {
            ++sheets;
        }
        wires += Objects<qelsch::Wire>(document).size();
        ports += Objects<qelsch::Port>(document).size();
        entries += Objects<qelsch::BusEntry>(document).size();
    }
    EXPECT_EQ(sheets, GetParam().sheets);
    // Every wire of the file is drawn (one-pin vertical ports add three segments each); every
    // port of the file is one host port (link components may add more).
    EXPECT_GE(wires, Count(text.str(), "(wire"));
    EXPECT_GE(ports, Count(text.str(), "(port "));
    EXPECT_LE(entries, 2 * Count(text.str(), "(wire"));
    EXPECT_EQ(entries > 0, GetParam().busEntries);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusDesigns,
                         ::testing::Values(CorpusCase{"carnivore2.sch", 2, false},
                                           CorpusCase{"a600_8mb.sch", 1, true},
                                           CorpusCase{"neogs_revc.sch", 1, false},
                                           CorpusCase{"zxinet_revc.sch", 1, false},
                                           CorpusCase{"modulebit.sch", 1, false}));

}  // namespace
}  // namespace design_test
