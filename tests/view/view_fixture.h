// Shared set-up for the drawing tests: a fresh editor store per test and helpers that put
// objects straight into it, the way the importer leaves them.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "editor.h"
#include "object_store.h"

// A six-byte real (arc angles) from a double.
inline SchReal48 Real48(double value) {
    SchReal48 real{};
    if (value == 0) return real;
    int exponent = 0;
    const double fraction = std::frexp(std::abs(value), &exponent);  // in [0.5, 1)
    auto mantissa = static_cast<uint64_t>(std::llround((2 * fraction - 1) * std::ldexp(1.0, 39)));
    if (value < 0) mantissa |= uint64_t{1} << 39;
    real.bytes[0] = static_cast<uint8_t>(exponent - 1 + 129);
    for (int i = 1; i <= 5; ++i, mantissa >>= 8) real.bytes[i] = mantissa & 0xFF;
    return real;
}

class ViewTest : public ::testing::Test {
  protected:
    void SetUp() override { qelsch::Editor().Reset(); }
    void TearDown() override { qelsch::Editor().Reset(); }

    qelsch::SchEditor& editor() { return qelsch::Editor(); }
    qelsch::ObjectStore& store() { return editor().Store(); }

    // A sheet of the given custom size (host units).
    SchHandle NewSheet(const std::string& name, int32_t width = 500, int32_t height = 400) {
        const SchHandle sheet = editor().CreateDocument("Sch", name, "");
        qelsch::Document* document = store().FindDocument(sheet);
        document->options.useCustomSheet = 1;
        document->options.customX = width;
        document->options.customY = height;
        return sheet;
    }

    // A new object of kind T, added to `document` unless it is 0.
    template <class T>
    T& Add(SchHandle document) {
        const SchHandle handle = store().CreateObject(T::kKind);
        if (document != 0) store().AddToContainer(document, handle);
        return *store().Find<T>(handle);
    }

    qelsch::Text& TextOf(SchHandle handle) { return *store().Find<qelsch::Text>(handle); }

    // A placed part of `libReference`, its designator text hidden unless given.
    qelsch::Part& AddPart(SchHandle sheet, const std::string& libReference, int32_t x, int32_t y,
                          uint8_t orientation = 0, bool mirrored = false,
                          const std::string& designator = "") {
        qelsch::Part& part = Add<qelsch::Part>(sheet);
        part.libReference = libReference;
        part.location = {x, y};
        part.orientation = orientation;
        part.mirrored = mirrored;
        qelsch::Text& field = TextOf(part.designatorField);
        field.text = designator;
        field.isHidden = designator.empty();
        return part;
    }
};
