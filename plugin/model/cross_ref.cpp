#include "model/cross_ref.h"

#include "reader/parse_loop.h"

TNimboXRef::TNimboXRef(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "XRef";
}

void TNimboXRef::Parse() {
    // Every group inside, a nested text included, is skipped whole.
    RunParseLoop(*this, [](int32_t) { return false; });
}
