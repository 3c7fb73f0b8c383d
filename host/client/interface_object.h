// Base of the client's interface objects. The client owns every object it hands out and frees
// it itself, so reference counting does nothing here; no object answers QueryInterface for an
// identifier it was not given as.
#pragma once

#include "ClientAPI.h"

namespace client {

// The COM-style result a query for an unknown interface gives.
inline constexpr int32_t kNoInterface = static_cast<int32_t>(0x80004002u);

template <class Interface>
class TInterfacedObject : public Interface {
  public:
    int32_t QueryInterface(const TGuid&, void** object) override {
        if (object) *object = nullptr;
        return kNoInterface;
    }
    int32_t AddRef() override { return 1; }
    int32_t Release() override { return 1; }

  protected:
    ~TInterfacedObject() = default;
};

}  // namespace client
