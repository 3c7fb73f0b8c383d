// Exported functions on documents, windows, commands and options.
#include <string_view>

#include "SchAPI.h"
#include "command_parameters.h"
#include "editor.h"
#include "exchange.h"
#include "export_guard.h"
#include "library_editor.h"
#include "object_store.h"

using namespace qelsch;

namespace {

ObjectStore& Store() {
    return Editor().Store();
}

bool IsClientCommand(std::string_view command) {
    return command.size() >= 7 && SameWord(command.substr(0, 7), "Client:");
}

}  // namespace

QELSCH_EXPORT SchHandle SchAPI_GetCurrentDocumentHandle(void) {
    return Guarded<SchHandle>(0, [] { return Store().CurrentDocument(); });
}

// A document's editor window has the document's own handle.
QELSCH_EXPORT SchHandle SchAPI_GetWindowHandleFromSheetHandle(SchHandle document) {
    return Guarded<SchHandle>(0, [&] { return Store().FindDocument(document) ? document : 0; });
}

QELSCH_EXPORT int32_t SchAPI_SendCommand(const char* command, char* parameters, uint16_t bufferSize,
                                         SchHandle window) {
    return Guarded<int32_t>(0, [&]() -> int32_t {
        if (!command) return 0;
        const std::string_view name(command);
        if (IsClientCommand(name)) return Editor().RunClientCommand(name, parameters, bufferSize);
        const SchHandle document = window != 0 ? window : Store().CurrentDocument();
        return RunLibraryCommand(Store(), document, name, parameters, bufferSize);
    });
}

QELSCH_EXPORT int32_t SchAPI_RedrawSheet(SchHandle document) {
    return Guarded<int32_t>(0, [&] { return Store().FindDocument(document) ? 1 : 0; });
}

QELSCH_EXPORT int32_t SchAPI_QueryDocumentName(int32_t mode, SchHandle document, char** name,
                                               int32_t size) {
    return Guarded<int32_t>(0, [&]() -> int32_t {
        Document* found = Store().FindDocument(document);
        const auto direction = DirectionOf(mode);
        if (!found || !direction || size <= 0) return 0;
        ExchangeText(*direction, name, found->name, static_cast<size_t>(size));
        return 1;
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryDocumentOptions(
    int32_t mode, SchHandle document, uint8_t* b1, uint8_t* b2, uint8_t* b3, uint8_t* b4,
    uint8_t* b5, int32_t* l1, uint8_t* pb1, int32_t* pl1, uint8_t* pb2, int32_t* pl2, uint8_t* pb3,
    int32_t* pl3, uint8_t* pb4, int32_t* pl4, uint8_t* sheetStyle, uint8_t* useCustomSheet,
    int32_t* customX, int32_t* customY, int32_t* l2, int32_t* l3, int32_t* l4, char** t1, char** t2,
    char** t3, char** t4, char** t5, char** t6, char** t7, char** t8, int32_t* l5, int32_t* l6,
    char** t9, int32_t* l7) {
    return Guarded<int32_t>(0, [&]() -> int32_t {
        Document* found = Store().FindDocument(document);
        const auto direction = DirectionOf(mode);
        if (!found || !direction) return 0;
        const Direction d = *direction;
        DocumentOptions& o = found->options;
        Exchange(d, b1, o.b1);
        Exchange(d, b2, o.titleSheet);
        Exchange(d, b3, o.b3);
        Exchange(d, b4, o.borderOn);
        Exchange(d, b5, o.b5);
        Exchange(d, l1, o.l1);
        Exchange(d, pb1, o.pb1);
        Exchange(d, pl1, o.pl1);
        Exchange(d, pb2, o.pb2);
        Exchange(d, pl2, o.pl2);
        Exchange(d, pb3, o.pb3);
        Exchange(d, pl3, o.pl3);
        Exchange(d, pb4, o.pb4);
        Exchange(d, pl4, o.pl4);
        Exchange(d, sheetStyle, o.sheetStyle);
        Exchange(d, useCustomSheet, o.useCustomSheet);
        Exchange(d, customX, o.customX);
        Exchange(d, customY, o.customY);
        Exchange(d, l2, o.l2);
        Exchange(d, l3, o.l3);
        Exchange(d, l4, o.l4);
        char** texts[] = {t1, t2, t3, t4, t5, t6, t7, t8};
        for (size_t i = 0; i < o.texts.size(); ++i) ExchangeText(d, texts[i], o.texts[i]);
        Exchange(d, l5, o.l5);
        Exchange(d, l6, o.l6);
        ExchangeText(d, t9, o.t9);
        Exchange(d, l7, o.l7);
        return 1;
    });
}

QELSCH_EXPORT int32_t SchAPI_QuerySchLibOptions(int32_t mode, SchHandle document, int32_t* l3,
                                                uint8_t* b1, uint8_t* b2, uint8_t* b3, uint8_t* b4,
                                                uint8_t* b5, uint8_t* b6, int32_t* l1, int32_t* l2,
                                                int32_t* l4, uint8_t* b7, int32_t* l5, uint8_t* b8,
                                                int32_t* l6, char** text,
                                                SchHandle* currentComponent) {
    return Guarded<int32_t>(0, [&]() -> int32_t {
        Document* found = Store().FindDocument(document);
        const auto direction = DirectionOf(mode);
        if (!found || found->kind != DocumentKind::Library || !direction) return 0;
        const Direction d = *direction;
        LibraryOptions& o = found->libraryOptions;
        Exchange(d, l3, o.l3);
        uint8_t* bytes[] = {b1, b2, b3, b4, b5, b6};
        for (size_t i = 0; i < o.bytes.size(); ++i) Exchange(d, bytes[i], o.bytes[i]);
        Exchange(d, l1, o.l1);
        Exchange(d, l2, o.l2);
        Exchange(d, l4, o.l4);
        Exchange(d, b7, o.b7);
        Exchange(d, l5, o.l5);
        Exchange(d, b8, o.b8);
        Exchange(d, l6, o.l6);
        ExchangeText(d, text, o.text);
        // The current component is the library editor's; "Sch:CreateComponent" changes it.
        ReadOnly(d, currentComponent, o.currentComponent);
        return 1;
    });
}

QELSCH_EXPORT int32_t SchAPI_QueryLibraryComponent(
    int32_t mode, SchHandle component, char** t0, char** t1, char** t2, char** t3, char** t4,
    char** t5, char** t6, char** t7, char** t8, char** t9, char** t10, char** t11, char** t12,
    char** t13, char** t14, char** t15, char** t16, char** t17, char** t18, char** t19, char** t20,
    char** t21, char** t22, char** t23, char** t24, char** t25, char** t26, char** t27, char** t28,
    char** t29, char** t30) {
    return Guarded<int32_t>(0, [&]() -> int32_t {
        LibraryComponent* found = Store().FindComponent(component);
        const auto direction = DirectionOf(mode);
        if (!found || !direction) return 0;
        char** texts[kComponentTextCount] = {t0,  t1,  t2,  t3,  t4,  t5,  t6,  t7,  t8,  t9,  t10,
                                             t11, t12, t13, t14, t15, t16, t17, t18, t19, t20, t21,
                                             t22, t23, t24, t25, t26, t27, t28, t29, t30};
        for (size_t i = 0; i < found->texts.size(); ++i) {
            ExchangeText(*direction, texts[i], found->texts[i]);
        }
        return 1;
    });
}
