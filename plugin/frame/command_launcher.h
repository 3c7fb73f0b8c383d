// The module's command table: command names (any letter case) with their procedures.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "ClientAPI.h"
#include "frame/process_control.h"

// A command: runs with the active view and the parameter string.
using TCommandProc = void (*)(IHostView* context, const char* parameters);
// A command's state: A and the five outputs of ICommandLauncher::GetCommandState.
using TCommandStateProc = void (*)(IHostView* context, int32_t a, int32_t* enabled,
                                   int32_t* checked, int32_t* visible, char* caption,
                                   char* imageFile);

struct TCommandHandler {
    TCommandProc CommandProc = nullptr;
    TCommandStateProc StateProc = nullptr;
};

class TCommandLauncher final : public TInterfacedObjectNoRef<ICommandLauncher> {
  public:
    // Runs the command's procedure with (Context, Parameters). 1 when a procedure ran, 0 for
    // an unknown name. No exception leaves here: a failing command has simply run.
    int32_t LaunchCommand(const char* name, const char* parameters, int32_t unused,
                          IHostView* context) override;
    // Sets the outputs to -1, 0, -1, "", "" (caption and imageFile may be null), then lets
    // the command's state procedure, if any, change them.
    void GetCommandState(const char* name, int32_t a, IHostView* context, int32_t* enabled,
                         int32_t* checked, int32_t* visible, char* caption,
                         char* imageFile) override;

    // Registers Name; a name already registered (in any case) keeps its first handler.
    void AddCommand(const std::string& name, TCommandProc command, TCommandStateProc state);
    // The handler of Name (any case), or null.
    const TCommandHandler* FindCommand(const char* name) const;

  private:
    std::map<std::string, TCommandHandler> FCommands;  // by upper-cased name
};
