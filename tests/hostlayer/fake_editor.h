// A stand-in for the schematic editor module, installed into the binding table.
//
// Every editor property lives under its name (the parameter name of the editor's function), per
// object handle, as raw bytes. A property read before it was ever written holds a seed value
// that depends only on its name, so every property of an object is distinct from the others
// and a wrapper that mixes two of them up is caught.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "SchAPI.h"
#include "host/point.h"

class TFakeEditor {
  public:
    // The fake that the installed functions talk to.
    static TFakeEditor& Get();

    // Clears every object and call and installs every fake function into schapi::Table().
    void Install();

    // The value a never-written property of this name holds.
    template <class T>
    T Seed(const std::string& name) {
        const std::string bytes = SeedBytes(name, sizeof(T));
        T value{};
        std::memcpy(&value, bytes.data(), sizeof(T));
        return value;
    }
    std::string SeedText(const std::string& name) {
        return name + "#" + std::to_string(IdOf(name));
    }

    // Exchanges one property: a read fills *value, a write stores it.
    template <class T>
    void Slot(int32_t mode, SchHandle object, const std::string& name, T* value) {
        std::string& stored = Property(object, name, SeedBytes(name, sizeof(T)));
        if (mode == kSchQueryRead)
            std::memcpy(value, stored.data(), sizeof(T));
        else
            stored.assign(reinterpret_cast<const char*>(value), sizeof(T));
    }
    // Exchanges one text through the caller's buffer of `size` bytes.
    void Text(int32_t mode, SchHandle object, const std::string& name, char** text,
              int32_t size = kSchTextBufferSize);
    // Exchanges the vertex count; the answer of a read is the count.
    int32_t VertexCount(int32_t mode, SchHandle object, int32_t count);
    // Exchanges vertex `index` (counted from 1).
    void VertexAt(int32_t mode, SchHandle object, int32_t index, int32_t* x, int32_t* y);

    void Record(const std::string& call, int32_t mode) {
        Calls.push_back(call + ":" + std::to_string(mode));
    }

    // Properties by object handle and name (texts without their terminator).
    std::map<SchHandle, std::map<std::string, std::string>> Objects;
    std::map<SchHandle, std::vector<TPoint>> Vertices;
    // "Function:mode" per exchange, in call order; other calls record their arguments.
    std::vector<std::string> Calls;
    // Kinds asked of CreateObjectEx, and (document, object) pairs added to containers.
    std::vector<uint8_t> CreatedKinds;
    std::vector<std::pair<SchHandle, SchHandle>> Added;
    SchHandle NextHandle = 100;
    int32_t ImportFromUserAnswer = 0;
    // Sizes the editor was told for texts by name (the unique id's and the document name's).
    std::map<std::string, int32_t> TextSizes;

  private:
    std::string& Property(SchHandle object, const std::string& name, const std::string& seed);
    std::string SeedBytes(const std::string& name, size_t size);
    int IdOf(const std::string& name);

    std::map<std::string, int> FIds;
};
