#include "model/bus_entry.h"

#include "model/word_table.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboBusEntry::TNimboBusEntry(TNimboObject* owner) : TNimboDrawObject(owner) {
    FKindName = "Bus Entry";
}

void TNimboBusEntry::Parse() {
    static constexpr wordtab::TWordCode kOrients[] = {
        {"Up", 0}, {"Left", 1}, {"Down", 2}, {"Right", 3}};
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::busNameRef:
                FBusNameRef = ReadString();
                return true;
            case kw::pt:
                FPt = ReadPoint();
                return true;  // busPoint groups are skipped whole
            case kw::orient:
                if (auto code = wordtab::LookupWord(ReadString(), kOrients)) FOrient = *code;
                return true;
            default:
                return false;
        }
    });
}
