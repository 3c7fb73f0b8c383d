// The exit codes of zorvan-import (also listed by --help and in docs/command.md).
#pragma once

namespace app {

enum TExitCode : int {
    kExitOk = 0,                   // imported (warnings allowed); --validate: the file is valid
    kExitNotValid = 1,             // --validate: not a file of the format and kind asked for
    kExitBadOptions = 2,           // unknown option, missing value, no file, conflicting options
    kExitNoSuchFile = 3,           // a FILE does not exist
    kExitUnreadable = 4,           // a FILE exists but cannot be read (a folder, no permission)
    kExitNotThisFormat = 5,        // not a ZORVAN ASCII file of that kind; the report says why
    kExitImportErrors = 6,         // imported, but the report counts errors
    kExitHostFailure = 7,          // the module could not be loaded or the workspace not written
    kExitConnectivityDiffers = 8,  // --check-connectivity: the nets differ from the netlist
};

}  // namespace app
