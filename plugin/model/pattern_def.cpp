#include "model/pattern_def.h"

#include "model/board_draw_objects.h"
#include "model/layer_contents.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboPatternDef::TNimboPatternDef(TNimboObject* owner) : TNimboObject(owner) {}

TNimboPatternDef::~TNimboPatternDef() = default;

void TNimboPatternDef::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::originalName:
                FOriginalName = ReadString();
                return true;
            case kw::multiLayer:
                ReadBoardDrawObjectsInPlace(*this, FMultiLayer);
                return true;
            case kw::layerContents:
                FLayerContents.push_back(ParseChild<TNimboLayerContents>(*this));
                return true;
            default:
                return false;
        }
    });
}
