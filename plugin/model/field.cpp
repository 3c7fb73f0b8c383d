#include "model/field.h"

#include "reader/parse_loop.h"

TNimboField::TNimboField(TNimboObject* owner) : TNimboPlacedText(owner) {}

// A quoted string in the section (the field's sample text) is passed over.
void TNimboField::Parse() {
    RunParseLoop(*this, [this](int32_t token) { return ReadPlacement(token); });
}
