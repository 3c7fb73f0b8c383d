#include "model/sheet_draw_objects.h"

#include "model/arc.h"
#include "model/attribute.h"
#include "model/bus.h"
#include "model/bus_entry.h"
#include "model/cross_ref.h"
#include "model/field.h"
#include "model/ieee_symbol.h"
#include "model/info_point.h"
#include "model/junction.h"
#include "model/line.h"
#include "model/pin.h"
#include "model/polygon.h"
#include "model/port.h"
#include "model/ref_point.h"
#include "model/symbol_instance.h"
#include "model/table.h"
#include "model/text.h"
#include "model/wire.h"
#include "reader/keywords.h"

std::unique_ptr<TNimboObject> CreateSheetDrawObject(int32_t keyword, TNimboObject* owner) {
    switch (keyword) {
        case kw::arc:
            return std::make_unique<TNimboArc>(owner);
        case kw::attr:
            return std::make_unique<TNimboAttr>(owner);
        case kw::field:
            return std::make_unique<TNimboField>(owner);
        case kw::ieeeSymbol:
            return std::make_unique<TNimboIeeeSymbol>(owner);
        case kw::line:
            return std::make_unique<TNimboLine>(owner);
        case kw::poly:
            return std::make_unique<TNimboPoly>(owner);
        case kw::table:
            return std::make_unique<TNimboTable>(owner);
        case kw::text:
            return std::make_unique<TNimboText>(owner);
        case kw::bus:
            return std::make_unique<TNimboBus>(owner);
        case kw::busEntry:
            return std::make_unique<TNimboBusEntry>(owner);
        case kw::junction:
            return std::make_unique<TNimboJunction>(owner);
        case kw::wire:
            return std::make_unique<TNimboWire>(owner);
        case kw::pin:
            return std::make_unique<TNimboPin>(owner);
        case kw::symbol:
            return std::make_unique<TNimboSymbol>(owner);
        case kw::port:
            return std::make_unique<TNimboPort>(owner);
        case kw::infoPoint:
            return std::make_unique<TNimboInfoPoint>(owner);
        case kw::refPoint:
            return std::make_unique<TNimboRefPoint>(owner);
        case kw::xRef:
            return std::make_unique<TNimboXRef>(owner);
        default:
            return nullptr;
    }
}

void TranslateDrawObjects(const std::vector<std::unique_ptr<TNimboObject>>& objects,
                          TDocumentOptions* document) {
    for (const auto& object : objects) {
        object->FDocument = document;
        try {
            object->Translate();
        } catch (...) {
            // A failing object neither stops its sheet nor produces a message.
        }
    }
}
