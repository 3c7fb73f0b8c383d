#include "library_editor.h"

#include <string>

#include "command_parameters.h"
#include "object_store.h"

namespace qelsch {
namespace {

int32_t CreateComponent(ObjectStore& store, Document& document, const char* parameters,
                        uint16_t bufferSize) {
    std::string name =
        FindParameter(ParameterText(parameters, bufferSize), "Name").value_or(std::string());
    if (name.empty()) name = "Component_" + std::to_string(document.components.size() + 1);
    return store.CreateComponent(document.handle, name) != 0 ? 1 : 0;
}

int32_t AddPart(LibraryComponent& component, LibraryEditorState& editor) {
    component.parts.emplace_back();
    editor.partIndex = static_cast<int32_t>(component.parts.size()) - 1;
    return 1;
}

int32_t RemovePart(ObjectStore& store, LibraryComponent& component, LibraryEditorState& editor) {
    // A component always keeps one part to draw into.
    if (component.parts.size() < 2) return 0;
    const auto index = static_cast<size_t>(editor.partIndex);
    if (index >= component.parts.size()) return 0;
    store.DestroyPartObjects(component.parts[index]);
    component.parts.erase(component.parts.begin() + static_cast<std::ptrdiff_t>(index));
    editor.partIndex = index > 0 ? static_cast<int32_t>(index) - 1 : 0;
    return 1;
}

int32_t MovePart(const LibraryComponent& component, LibraryEditorState& editor, int32_t step) {
    const int32_t target = editor.partIndex + step;
    if (target < 0 || target >= static_cast<int32_t>(component.parts.size())) return 0;
    editor.partIndex = target;
    return 1;
}

int32_t SetMode(LibraryEditorState& editor, DisplayMode mode) {
    editor.mode = mode;
    return 1;
}

}  // namespace

int32_t RunLibraryCommand(ObjectStore& store, SchHandle documentHandle, std::string_view command,
                          const char* parameters, uint16_t bufferSize) {
    Document* document = store.FindDocument(documentHandle);
    if (!document || document->kind != DocumentKind::Library) return 0;
    if (SameWord(command, "Sch:CreateComponent")) {
        return CreateComponent(store, *document, parameters, bufferSize);
    }
    LibraryEditorState& editor = document->editor;
    if (SameWord(command, "Sch:ToggleComponentNormal")) return SetMode(editor, DisplayMode::Normal);
    if (SameWord(command, "Sch:ToggleComponentIEEE")) return SetMode(editor, DisplayMode::Ieee);
    if (SameWord(command, "Sch:ToggleComponentDemorgan")) {
        return SetMode(editor, DisplayMode::Demorgan);
    }
    LibraryComponent* component = store.FindComponent(editor.component);
    if (!component) return 0;
    if (SameWord(command, "Sch:AddComponentPart")) return AddPart(*component, editor);
    if (SameWord(command, "Sch:RemoveComponentPart")) return RemovePart(store, *component, editor);
    if (SameWord(command, "Sch:NextComponentPart")) return MovePart(*component, editor, 1);
    if (SameWord(command, "Sch:PreviousComponentPart")) return MovePart(*component, editor, -1);
    return 0;
}

}  // namespace qelsch
