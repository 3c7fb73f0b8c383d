// A fake host for the module's tests: a client with one current view and document, and the
// client's flat functions, exported by the test program so that the module binds them by name
// exactly as it binds the real host's. The schematic editor is left out: its functions stay
// unbound unless a test installs some in schapi::Table().
#pragma once

#include <string>
#include <vector>

#include "ClientAPI.h"

struct TFakeHostState {
    std::string DocumentFileName;  // the current document's file name
    std::string DocumentKind = "Sch";
    bool HasClient = true;            // ClientAPI_GetClientInterface answers a client
    std::vector<std::string> Found;   // paths asked of FindOpenDocument
    std::vector<std::string> Opened;  // paths given to OpenDocument
};

// The state behind the fake; Reset() before each test.
TFakeHostState& FakeHost();
void ResetFakeHost();

// The fake client and its current view.
IClient* FakeClient();
IHostView* FakeView();

// Binds the module to the fake client functions (through the module's own binding by name).
void BindFakeHost();
