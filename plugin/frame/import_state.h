// The state of the import in progress, kept for the whole time the module is loaded: the host
// view that was current when the import started and the name of the file being imported.
#pragma once

#include <string>

#include "ClientAPI.h"

// The view current when the last import started (a link, owned by the host); null until then.
extern IHostView* CurrentView;

// Replaces CurrentView with the client's current view; null when the module holds no client.
void RecordCurrentView();

// Stores the imported file's name (without folder), cut to 255 characters.
void SetImportFileName(const std::string& name);
// The stored name, or the file name of CurrentView's document when none is stored.
std::string GetImportFileName();
