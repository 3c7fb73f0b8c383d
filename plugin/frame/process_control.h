// The nesting counter that the host keeps in the module, and the reference-free base of the
// objects that the server module owns and hands out as interfaces.
#pragma once

#include <cstdint>

#include "ClientAPI.h"

// Implements the basic interface operations without reference counting: the owning server
// module frees the object itself. No interface identifier is answered.
template <class TInterface>
class TInterfacedObjectNoRef : public TInterface {
  public:
    static constexpr int32_t kNoInterface = static_cast<int32_t>(0x80004002u);

    int32_t QueryInterface(const TGuid& /*iid*/, void** object) override {
        if (object) *object = nullptr;
        return kNoInterface;
    }
    int32_t AddRef() override { return 0; }
    int32_t Release() override { return 0; }
};

class TProcessControl final : public TInterfacedObjectNoRef<IProcessControl> {
  public:
    int32_t GetProcessDepth() override { return FProcessDepth; }
    // The caller and the value are accepted and not used. The counter wraps instead of
    // overflowing.
    int32_t DecProcessDepth(IInterface* caller, int32_t value) override;
    int32_t IncProcessDepth(IInterface* caller, int32_t value) override;
    void SetProcessDepth(int32_t value) override { FProcessDepth = value; }

  private:
    int32_t FProcessDepth = 0;
};
