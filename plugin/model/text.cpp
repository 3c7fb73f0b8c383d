#include "model/text.h"

#include "host/create_host_object.h"
#include "host/geometry.h"
#include "host/sch_graphics.h"
#include "host/sch_text_field.h"
#include "model/drawing_support.h"
#include "model/library.h"
#include "model/text_style.h"
#include "platform/int_math.h"
#include "reader/keywords.h"
#include "reader/nimbo_parser.h"
#include "reader/parse_loop.h"

TNimboText::TNimboText(TNimboObject* owner) : TNimboPlacedText(owner) {}

// ---- reading -------------------------------------------------------------------------------

void TNimboText::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        if (ReadPlacement(token)) return true;
        switch (token) {
            case tokString:
                FText = FParser->TokenText();
                return true;
            case kw::extent:
                FExtent = ReadPoint();
                return true;
            default:
                return false;
        }
    });
}

// ---- translation ---------------------------------------------------------------------------

namespace {

// The host font id of a font family: 3 serif, 2 sans serif, 1 any other.
int32_t HostFontId(uint8_t family) {
    switch (family) {
        case kFontFamilySerif:
            return 3;
        case kFontFamilySanserif:
            return 2;
        default:
            return 1;
    }
}

const TNimboFont* StyleFont(const TNimboObject& object, const std::string& styleName) {
    const TNimboLibrary* library = TNimboLibrary::Of(&object);
    if (library == nullptr) return nullptr;
    const TNimboTextStyleDef* style = library->FindTextStyle(styleName);
    return style != nullptr ? style->FFont.get() : nullptr;
}

}  // namespace

// Splits off the text up to the first carriage return; a line feed right after it belongs to
// the line end. A line feed alone does not end a line.
static std::string TakeFirstLine(std::string& text) {
    const size_t end = text.find('\r');
    if (end == std::string::npos) return std::exchange(text, std::string());
    std::string line = text.substr(0, end);
    size_t next = end + 1;
    if (next < text.size() && text[next] == '\n') ++next;
    text.erase(0, next);
    return line;
}

void TNimboText::Translate() {
    const TDocumentOptions& document = TargetDocument(*this);
    const TNimboFont* font = StyleFont(*this, FTextStyleRef);
    std::string rest = FText;
    TPoint at = FPt;
    do {
        auto annotation = NewHostObject<TAnnotation>();
        FHostHandle = annotation.FHandle;
        annotation.FText.Set(TakeFirstLine(rest));
        annotation.FLocation = at;
        // Counts beyond a full turn (360 gives 4, -90 gives 255) mean the same turn modulo 4;
        // the host knows only the four codes.
        annotation.FOrientation = QuarterTurns(FRotation) & 3;
        if (font != nullptr) {
            annotation.FFontId = HostFontId(font->FFontFamily);
            // The next line goes one font height lower.
            at.Y = platform::WrapSub(at.Y, font->FFontHeight);
        }
        AddHostObject(annotation, document);
        Justify();
    } while (!rest.empty());
}

// The host anchors an annotation at its lower left corner; moves the annotation just made so
// that the file's anchor lands on the justified corner or middle of the extent the host
// measures for it.
void TNimboText::Justify() {
    TAnnotation annotation(FHostHandle);
    annotation.Query(qmRead);
    int32_t x1, y1, x2, y2;
    annotation.GetBoundingRectangle(x1, y1, x2, y2);
    using platform::WrapSub;
    TPoint& at = annotation.FLocation;
    switch (FJustify % 3) {
        case 1:
            at.X = WrapSub(at.X, WrapSub(x2 / 2, x1 / 2));
            break;
        case 2:
            at.X = WrapSub(at.X, WrapSub(x2, x1));
            break;
        default:
            break;
    }
    switch (FJustify / 3) {
        case 0:
            at.Y = WrapSub(at.Y, WrapSub(y2, y1));
            break;
        case 1:
            at.Y = WrapSub(at.Y, WrapSub(y2 / 2, y1 / 2));
            break;
        default:
            break;
    }
    annotation.Query(qmWrite);
}
