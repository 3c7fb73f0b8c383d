// The library editor: components, parts and display modes driven by "Sch:" commands, and the
// pin iteration of the current part and mode.
#include <vector>

#include "editor_fixture.h"

namespace {

class LibraryEditorTest : public EditorTest {
  protected:
    std::vector<std::string> PinNamesOfCurrentPartAndMode(SchHandle library) {
        std::vector<std::string> names;
        const SchHandle iterator = SchAPI_CreateIterator(library, kSchKindPin);
        for (SchHandle h = SchAPI_GetFirstObject(iterator); h != 0;
             h = SchAPI_GetNextObject(iterator)) {
            names.push_back(PinName(h));
        }
        return names;
    }

    SchHandle CurrentComponent(SchHandle library) {
        int32_t l[7] = {};
        uint8_t b[8] = {};
        TextBuffer text;
        SchHandle current = 0;
        SchAPI_QuerySchLibOptions(kSchQueryRead, library, &l[0], &b[0], &b[1], &b[2], &b[3], &b[4],
                                  &b[5], &l[1], &l[2], &l[3], &b[6], &l[4], &b[7], &l[5], &text,
                                  &current);
        return current;
    }

    const qelsch::LibraryComponent& Component(SchHandle handle) {
        const qelsch::LibraryComponent* component = editor().FindComponent(handle);
        EXPECT_NE(component, nullptr);
        static const qelsch::LibraryComponent none;
        return component ? *component : none;
    }

    // The symbol "GATE": an outline and pins 1, 2, 3 named by their numbers.
    void DrawGate(SchHandle library) {
        AddLine(library, 0, 0, 0, 30);
        AddPin(library, "1", 0, 10, 20, 2);
        AddPin(library, "2", 0, 20, 20, 2);
        AddPin(library, "3", 30, 15, 20, 0);
    }
};

// The command sequence the library import sends for a component of two parts that both attach
// the symbol "GATE" in normal mode, and its pin pass.
TEST_F(LibraryEditorTest, TwoPartGateSequenceKeepsEachPartsDrawingApart) {
    const SchHandle library = NewLibrary();
    ASSERT_EQ(CreateComponent(library, "7400"), 1);
    const SchHandle component = CurrentComponent(library);
    ASSERT_NE(component, 0u);
    EXPECT_EQ(Component(component).name, "7400");

    for (int part = 1; part <= 2; ++part) {
        EXPECT_EQ(Command(library, "Sch:ToggleComponentNormal"), 1);
        DrawGate(library);
        EXPECT_EQ(Command(library, "Sch:AddComponentPart"), 1);
    }
    EXPECT_EQ(Command(library, "Sch:RemoveComponentPart"), 1);
    EXPECT_EQ(Command(library, "Sch:PreviousComponentPart"), 1);

    // The pin pass: every part, every mode.
    std::vector<std::vector<std::string>> seen;
    for (int part = 1; part <= 2; ++part) {
        for (const char* toggle : {"Sch:ToggleComponentNormal", "Sch:ToggleComponentIEEE",
                                   "Sch:ToggleComponentDemorgan"}) {
            Command(library, toggle);
            seen.push_back(PinNamesOfCurrentPartAndMode(library));
        }
        if (part < 2) {
            EXPECT_EQ(Command(library, "Sch:NextComponentPart"), 1);
        }
    }
    EXPECT_EQ(Command(library, "Sch:PreviousComponentPart"), 1);
    Command(library, "Sch:ToggleComponentNormal");

    const std::vector<std::string> gate = {"1", "2", "3"};
    EXPECT_EQ(seen, (std::vector<std::vector<std::string>>{gate, {}, {}, gate, {}, {}}));

    const qelsch::LibraryComponent& stored = Component(component);
    ASSERT_EQ(stored.parts.size(), 2u);
    for (const qelsch::ComponentPart& part : stored.parts) {
        EXPECT_EQ(part.In(qelsch::DisplayMode::Normal).size(), 4u);
        EXPECT_TRUE(part.In(qelsch::DisplayMode::Ieee).empty());
        EXPECT_TRUE(part.In(qelsch::DisplayMode::Demorgan).empty());
    }
    EXPECT_NE(stored.parts[0].In(qelsch::DisplayMode::Normal),
              stored.parts[1].In(qelsch::DisplayMode::Normal));
    EXPECT_EQ(editor().FindDocument(library)->editor.partIndex, 0);
}

TEST_F(LibraryEditorTest, DisplayModesHoldWhatWasDrawnWhileTheyWereCurrent) {
    const SchHandle library = NewLibrary();
    CreateComponent(library, "INV");
    AddPin(library, "A");
    Command(library, "Sch:ToggleComponentIEEE");
    AddPin(library, "B");
    AddPin(library, "C");
    Command(library, "Sch:ToggleComponentDemorgan");
    AddPin(library, "D");

    const qelsch::ComponentPart& part = Component(CurrentComponent(library)).parts.at(0);
    EXPECT_EQ(part.In(qelsch::DisplayMode::Normal).size(), 1u);
    EXPECT_EQ(part.In(qelsch::DisplayMode::Ieee).size(), 2u);
    EXPECT_EQ(part.In(qelsch::DisplayMode::Demorgan).size(), 1u);
    EXPECT_EQ(PinNamesOfCurrentPartAndMode(library), (std::vector<std::string>{"D"}));
    Command(library, "Sch:ToggleComponentIEEE");
    EXPECT_EQ(PinNamesOfCurrentPartAndMode(library), (std::vector<std::string>{"B", "C"}));
}

TEST_F(LibraryEditorTest, PartNavigationStaysInsideTheComponent) {
    const SchHandle library = NewLibrary();
    // Commands before any component do nothing.
    EXPECT_EQ(Command(library, "Sch:AddComponentPart"), 0);
    EXPECT_EQ(Command(library, "Sch:NextComponentPart"), 0);

    CreateComponent(library, "R");
    EXPECT_EQ(Command(library, "Sch:PreviousComponentPart"), 0);
    EXPECT_EQ(Command(library, "Sch:NextComponentPart"), 0);
    // The only part is never removed (a component of no parts: the import still sends this).
    EXPECT_EQ(Command(library, "Sch:RemoveComponentPart"), 0);
    AddPin(library, "1");
    EXPECT_EQ(Component(CurrentComponent(library)).parts.size(), 1u);
    EXPECT_EQ(PinNamesOfCurrentPartAndMode(library), (std::vector<std::string>{"1"}));

    // Removing the first of several parts makes the new first part current.
    Command(library, "Sch:AddComponentPart");
    AddPin(library, "2");
    Command(library, "Sch:PreviousComponentPart");
    EXPECT_EQ(Command(library, "Sch:RemoveComponentPart"), 1);
    EXPECT_EQ(PinNamesOfCurrentPartAndMode(library), (std::vector<std::string>{"2"}));
    // Unknown commands and commands to a sheet are refused.
    EXPECT_EQ(Command(library, "Sch:NoSuchCommand"), 0);
    EXPECT_EQ(Command(NewSheet(), "Sch:AddComponentPart"), 0);
}

TEST_F(LibraryEditorTest, CreateComponentReadsTheNameParameterAndBecomesCurrent) {
    const SchHandle library = NewLibrary();
    std::array<char, 256> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "Other=1| name = 74HC00 |Name=Second");
    // Window 0 means the current document.
    EXPECT_EQ(SchAPI_SendCommand("Sch:CreateComponent", buffer.data(), 256, 0), 1);
    const SchHandle first = CurrentComponent(library);
    EXPECT_EQ(Component(first).name, "74HC00");
    AddPin(library, "1");

    CreateComponent(library, "");
    const SchHandle second = CurrentComponent(library);
    EXPECT_NE(second, first);
    EXPECT_EQ(Component(second).name, "Component_2");
    EXPECT_TRUE(PinNamesOfCurrentPartAndMode(library).empty());
    EXPECT_EQ(Component(first).parts.at(0).In(qelsch::DisplayMode::Normal).size(), 1u);
}

TEST_F(LibraryEditorTest, ObjectsAddedBeforeAnyComponentGetOne) {
    const SchHandle library = NewLibrary();
    AddPin(library, "1");
    const qelsch::Document* document = editor().FindDocument(library);
    ASSERT_EQ(document->components.size(), 1u);
    EXPECT_EQ(Component(document->components[0]).name, "Component_1");
    EXPECT_EQ(editor().CountObjects(library), 1u);
}

TEST_F(LibraryEditorTest, ComponentTextsAreKeptByNumber) {
    const SchHandle library = NewLibrary();
    CreateComponent(library, "U");
    const SchHandle component = CurrentComponent(library);
    std::array<TextBuffer, 31> t;
    auto call = [&](int32_t mode) {
        return SchAPI_QueryLibraryComponent(
            mode, component, &t[0], &t[1], &t[2], &t[3], &t[4], &t[5], &t[6], &t[7], &t[8], &t[9],
            &t[10], &t[11], &t[12], &t[13], &t[14], &t[15], &t[16], &t[17], &t[18], &t[19], &t[20],
            &t[21], &t[22], &t[23], &t[24], &t[25], &t[26], &t[27], &t[28], &t[29], &t[30]);
    };
    call(kSchQueryRead);
    t[1].Set("DIP14");
    t[5].Set("Mfr X");
    t[29].Set("U");
    t[30].Set("last");
    EXPECT_EQ(call(kSchQueryWrite), 1);
    for (auto& text : t) text.Set("");
    call(kSchQueryRead);
    EXPECT_EQ(t[1].Get(), "DIP14");
    EXPECT_EQ(t[5].Get(), "Mfr X");
    EXPECT_EQ(t[29].Get(), "U");
    EXPECT_EQ(Component(component).texts[30], "last");
    EXPECT_EQ(SchAPI_QueryLibraryComponent(
                  kSchQueryRead, library, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
              0)
        << "a document is not a component";
}

}  // namespace
