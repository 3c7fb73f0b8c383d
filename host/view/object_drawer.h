// Draws the editor's objects as a schematic editor shows them.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "code_page.h"
#include "editor.h"
#include "library_lookup.h"
#include "placement.h"
#include "svg_canvas.h"

namespace view {

// Line widths in host units of the editor's width codes 0..3, and of a bus of that code.
double LineWidthOf(uint8_t widthCode);
double BusWidthOf(uint8_t widthCode);

struct TDrawContext {
    const qelsch::SchEditor* Editor = nullptr;
    // The editor's components by name; when null, each drawer builds its own.
    const TComponentIndex* Components = nullptr;
    qelsch::CodePage CodePage = qelsch::CodePage::Auto;
    // Told of every part whose library component (or component part) is not found; such a part
    // is drawn as a labelled box.
    std::function<void(const qelsch::Part&)> OnMissingPart;
    // The link (relative URL) of the document a sheet symbol stands for; empty for none.
    std::function<std::string(const qelsch::SheetSymbol&)> SheetLink;
};

class TObjectDrawer {
  public:
    TObjectDrawer(TSvgCanvas& canvas, const TDrawContext& context)
        : FCanvas(canvas), FContext(context) {}

    // Draws one object; `placement` carries a library component's graphics onto a sheet.
    void Draw(const qelsch::SchObject& object, const TPlacement& placement = {});

  private:
    std::string Utf8(const std::string& bytes) const;
    // A text object's string, font and orientation drawn from its anchor under `placement`,
    // unmirrored so that it stays readable, in the box its extent is carried to.
    void PlacedText(qelsch::SchPoint anchor, const std::string& bytes, int32_t fontId,
                    uint8_t orientation, uint32_t color, const TPlacement& placement);
    void OwnedText(SchHandle text, const TPlacement& placement);

    void DrawArc(const qelsch::Arc& arc, const TPlacement& placement);
    void DrawVertices(const qelsch::MultiVertexObject& object, const TStroke& stroke,
                      const TPlacement& placement);
    void DrawPolygon(const qelsch::Polygon& polygon, const TPlacement& placement);
    void DrawLine(const qelsch::Line& line, const TPlacement& placement);
    void DrawPart(const qelsch::Part& part);
    void DrawMissingPart(const qelsch::Part& part);
    void DrawPin(const qelsch::Pin& pin, const TPlacement& placement);
    void DrawPort(const qelsch::Port& port, const TPlacement& placement);
    void DrawPowerObject(const qelsch::PowerObject& power, const TPlacement& placement);
    void DrawSheetSymbol(const qelsch::SheetSymbol& symbol, const TPlacement& placement);

    const TComponentIndex& Components();

    TSvgCanvas& FCanvas;
    const TDrawContext& FContext;
    std::optional<TComponentIndex> FOwnComponents;
};

}  // namespace view
