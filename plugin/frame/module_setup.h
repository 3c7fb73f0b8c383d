// What the module sets up when it is loaded, besides binding the host: the owner window of its
// dialogs and the abort question of the reader ("Confirm Abort", Yes/No, caption "Confirm").
#pragma once

// Idempotent; runs when the module is loaded and again from ServerFactory.
void SetUpModuleDialogs();
