// Shared set-up for the editor tests: a fresh store per test and small helpers that drive the
// exported functions the way a plug-in does.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "SchAPI.h"
#include "editor.h"

// A caller-owned 256-byte text buffer as the exchange calls take it (by the buffer's address).
struct TextBuffer {
    std::array<char, kSchTextBufferSize> bytes{};
    char* pointer = bytes.data();

    TextBuffer() = default;
    explicit TextBuffer(const std::string& text) { Set(text); }
    void Set(const std::string& text) {
        bytes.fill(0);
        std::memcpy(bytes.data(), text.data(), std::min(text.size(), bytes.size() - 1));
    }
    std::string Get() const { return std::string(bytes.data()); }
    char** operator&() { return &pointer; }
};

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override { qelsch::Editor().Reset(); }
    void TearDown() override { qelsch::Editor().Reset(); }

    qelsch::SchEditor& editor() { return qelsch::Editor(); }

    SchHandle NewSheet(const std::string& name = "Sheet1") {
        const SchHandle document = editor().CreateDocument("Sch", name, "");
        editor().SetCurrentDocument(document);
        return document;
    }
    SchHandle NewLibrary(const std::string& name = "Lib") {
        const SchHandle document = editor().CreateDocument("SchLib", name, "");
        editor().SetCurrentDocument(document);
        return document;
    }

    // Sends a library editor command to a document's window.
    int32_t Command(SchHandle document, const char* command) {
        return SchAPI_SendCommand(command, nullptr, 0,
                                  SchAPI_GetWindowHandleFromSheetHandle(document));
    }
    int32_t CreateComponent(SchHandle document, const std::string& name) {
        std::array<char, 256> buffer{};
        const std::string parameters = "Name=" + name;
        std::memcpy(buffer.data(), parameters.data(), std::min<size_t>(parameters.size(), 255));
        return SchAPI_SendCommand("Sch:CreateComponent", buffer.data(), 256,
                                  SchAPI_GetWindowHandleFromSheetHandle(document));
    }

    // A new pin named `name` at (x, y), added to `document`.
    SchHandle AddPin(SchHandle document, const std::string& name, int32_t x = 0, int32_t y = 0,
                     int32_t length = 30, uint8_t orientation = 0) {
        const SchHandle pin = SchAPI_CreateObjectEx(kSchKindPin);
        TextBuffer pinName(name), designator(name);
        uint8_t dot = 0, clock = 0, added = 0, showName = 1, showDes = 1, electrical = 4;
        uint8_t flag = 0;
        uint32_t color = 0;
        SchAPI_QueryPin(kSchQueryWrite, pin, &x, &y, &pinName, &designator, &dot, &clock, &added,
                        &showName, &showDes, &electrical, &length, &orientation, &flag, &color);
        SchAPI_AddObjectToContainer(document, pin);
        return pin;
    }

    // A line from (x1, y1) to (x2, y2), added to `document`.
    SchHandle AddLine(SchHandle document, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        const SchHandle line = SchAPI_CreateObjectEx(kSchKindLine);
        uint8_t passThrough = 0, style = 0, flag = 0;
        uint32_t color = 0;
        SchAPI_QueryLine(kSchQueryWrite, line, &x2, &y2, &x1, &y1, &passThrough, &style, &color,
                         &flag);
        SchAPI_AddObjectToContainer(document, line);
        return line;
    }

    std::string PinName(SchHandle pin) {
        const auto* found = editor().FindObject(pin);
        const auto* asPin = found ? found->As<qelsch::Pin>() : nullptr;
        return asPin ? asPin->name : "<none>";
    }
};
