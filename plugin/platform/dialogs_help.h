// Context help of the module's dialogs: the help key of a form ("Dlg_" and the form's name) is
// looked up in the index beside the module's help file; a key that is not found falls back to
// the popup help of the host's master help file.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace platform {

// A help index: a text file of lines Key=Number, keys compared without regard to case.
// Loaded on first use and kept for the lifetime of the object.
class THelpIndex {
  public:
    explicit THelpIndex(std::string path) : FPath(std::move(path)) {}
    // The context number of Key; none when the index or the key is missing or the entry
    // refers to another help file (Key=Text,Reference), which this platform cannot follow.
    std::optional<int32_t> Find(const std::string& key);
    const std::string& Path() const { return FPath; }

  private:
    void Load();
    std::string FPath;
    bool FLoaded = false;
    std::map<std::string, int32_t> FContexts;  // keys upper-cased
};

// Where the help goes when F1 is pressed on a dialog.
struct THelpRequest {
    std::string File;
    int32_t Context = 0;
    bool Popup = false;  // popup help at the mouse position, not the help window
};

// "<host executable folder>/Help/<module file name>.hlp" and the index beside it (".id").
std::string ModuleHelpFile();
// "<host executable folder>/Help/lvxmaster.hlp".
std::string MasterHelpFile();

// The help for the form named FormName, looked up in Index (of ModuleHelpFile's index).
THelpRequest ResolveFormHelp(const std::string& formName, THelpIndex& index,
                             const std::string& moduleHelpFile, const std::string& masterHelpFile);

// Shows the help: this platform has no help viewer, so the request is written to standard
// error for the user to follow.
void ShowHelp(const THelpRequest& request);

}  // namespace platform
