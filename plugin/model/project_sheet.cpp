// The project sheet of a design: one host sheet symbol per top-level sheet, on a grid.

#include <cmath>
#include <deque>
#include <limits>
#include <unordered_map>

#include "frame/sch_procs.h"
#include "host/sch_sheet_symbol.h"
#include "host/sch_text_field.h"
#include "model/attribute.h"
#include "model/component_def.h"
#include "model/sch_design.h"
#include "model/sch_document.h"
#include "model/sheet.h"
#include "model/symbol_instance.h"
#include "model/word_table.h"

namespace {

// The nearest integer, ties to even.
int64_t Nearest(double v) {
    return static_cast<int64_t>(std::nearbyint(v));
}

// Host coordinates are 32-bit; the grid is worked out in 64 bits and saturated at the end.
int32_t ToHost(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

// The value of the "Link" attribute of a module symbol, or null for any other object.
const std::string* ModuleLink(const TNimboObject& object, const TNimboObject* netlist) {
    const auto* symbol = dynamic_cast<const TNimboSymbol*>(&object);
    if (symbol == nullptr) return nullptr;
    const TNimboCompDef* def = TNimboSymbol::FindCompDef(netlist, symbol->FRefDesRef);
    if (def == nullptr || !def->FHeader || def->FHeader->FCompType != kCompModule) return nullptr;
    const TNimboAttr* link = symbol->FindAttr("Link");
    return link ? &link->FValue : nullptr;
}

}  // namespace

std::vector<std::string> TNimboSCHDesign::FindTopLevelSheets() const {
    // Each link removes the first remaining sheet of its name (no regard to case).
    std::unordered_map<std::string, std::deque<size_t>> remainingByName;
    for (size_t i = 0; i < FSheets.size(); ++i) {
        remainingByName[wordtab::FoldCase(FSheets[i]->FName)].push_back(i);
    }
    std::vector<bool> linked(FSheets.size(), false);
    for (const auto& sheet : FSheets) {
        for (const auto& object : sheet->FDrawObjects) {
            const std::string* link = ModuleLink(*object, FNetlist);
            if (link == nullptr) continue;
            const auto found = remainingByName.find(wordtab::FoldCase(*link));
            if (found == remainingByName.end() || found->second.empty()) continue;
            linked[found->second.front()] = true;
            found->second.pop_front();
        }
    }
    std::vector<std::string> topLevel;
    for (size_t i = 0; i < FSheets.size(); ++i) {
        if (!linked[i]) topLevel.push_back(FSheets[i]->FName);
    }
    return topLevel;
}

void TNimboSCHDesign::CreateProjectSheet(const std::vector<std::string>& names) {
    auto options = OpenSchematicDocument(FName + ".prj");
    const TNimboSheet* first = FSheets.empty() ? nullptr : FSheets.front().get();
    SetSheetOptions(*options, first ? first->FPageSize : 0, first ? first->FDrawBorder : true,
                    WorkspaceSize());
    // Without a workspace size the grid spans the document's own custom size.
    const TPoint size = WorkspaceSize().value_or(TPoint{options->FCustomX, options->FCustomY});
    const int64_t w = size.X;
    const int64_t h = size.Y;

    const int64_t n = static_cast<int64_t>(names.size());
    int64_t columns = Nearest(std::sqrt(static_cast<double>(n)));
    int64_t rows = columns;
    while (n > columns * rows) {
        ++columns;
        if (n > columns * rows) ++rows;
    }
    const int64_t pitchX = Nearest(static_cast<double>(w) / static_cast<double>(columns + 1));
    const int64_t pitchY = Nearest(static_cast<double>(h) / static_cast<double>(rows + 1));
    const int64_t symbolWidth = Nearest(static_cast<double>(pitchX) * 0.8);
    const int64_t symbolHeight = Nearest(static_cast<double>(pitchY) / 2.0);
    const int64_t top = h - Nearest(static_cast<double>(pitchY) / 2.0);
    int64_t x = Nearest(static_cast<double>(pitchX) / 2.0);
    int64_t y = top;

    TSchSheetSymbol symbol;
    for (const std::string& name : names) {
        symbol.FHandle = schapi::CreateObjectEx(TSchSheetSymbol::Kind);
        symbol.Query(qmRead);
        symbol.FLocation = {ToHost(x), ToHost(y)};
        symbol.FXSize = ToHost(symbolWidth);
        symbol.FYSize = ToHost(symbolHeight);
        symbol.Query(qmWrite2);

        TSchTextField text(symbol.FSheetNameField);
        text.Query(qmRead);
        text.FText.Set(name);
        text.FLocation = {
            ToHost(x), ToHost(y - symbolHeight - Nearest(static_cast<double>(symbolHeight) / 8))};
        text.Query(qmWrite);
        text.FHandle = symbol.FFileNameField;
        text.Query(qmRead);
        text.FText.Set(name);
        text.FLocation = {
            ToHost(x), ToHost(y - symbolHeight - Nearest(static_cast<double>(symbolHeight) / 4))};
        text.Query(qmWrite);

        schapi::AddObjectToContainer(options->FDocumentHandle, symbol.FHandle);

        y -= pitchY;
        if (y < pitchY) {
            x += pitchX;
            y = top;
        }
    }
    CloseSchematicDocument(*options);
}
