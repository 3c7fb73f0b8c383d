#include "model/layer_contents.h"

#include "model/board_draw_objects.h"
#include "model/design_parse.h"
#include "reader/keywords.h"

TNimboLayerContents::TNimboLayerContents(TNimboObject* owner) : TNimboObject(owner) {}

void TNimboLayerContents::Parse() {
    RunParseLoop(*this, [this](int32_t token) {
        if (token == kw::layerNumRef) {
            FLayerNumRef = ReadInteger();
            return true;
        }
        std::unique_ptr<TNimboObject> object = CreateBoardDrawObject(token, this, true);
        if (!object) return false;
        object->Parse();
        FDrawObjects.push_back(std::move(object));
        --FDepth;
        return true;
    });
}
