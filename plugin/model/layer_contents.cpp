#include "model/layer_contents.h"

#include "model/board_draw_objects.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboLayerContents::TNimboLayerContents(TNimboObject* owner) : TNimboObject(owner) {}

void TNimboLayerContents::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        if (token == kw::layerNumRef) {
            FLayerNumRef = ReadInteger();
            return true;
        }
        std::unique_ptr<TNimboObject> object = CreateBoardDrawObject(token, this, true);
        if (!object) return false;
        FDrawObjects.push_back(ParseChild(*this, std::move(object)));
        return true;
    });
}
