// Parameter strings: the texts "Name=Value|Name=Value" through which the host and every part
// of the module pass arguments.
//
// Format: pieces separated by "|", no escape character. Within a piece only the first "="
// separates the name from the value (a value may hold "=", a name cannot); a piece without
// "=" or whose trimmed name is empty is dropped. Names are compared trimmed and without regard
// to ASCII letter case; the first match wins. Names longer than 255 bytes are cut.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TParameter {
    std::string Name;                  // trimmed
    std::optional<std::string> Value;  // as written (not trimmed); none when empty
};

// An ordered list of parameters parsed from one string.
class TParameterList {
  public:
    static TParameterList Parse(std::string_view text);

    // The first parameter named `name`, or null.
    const TParameter* Find(std::string_view name) const;
    // Replaces the value of `name`, or appends (name, value) when absent. `value` is trimmed;
    // an empty (trimmed) name adds nothing.
    void Set(std::string_view name, std::string_view value);
    // Removes the first parameter named `name`; false when there is none.
    bool Remove(std::string_view name);
    // "Name=Value|Name=Value"; an empty value is written as a single blank.
    std::string Write() const;

    const std::vector<TParameter>& Items() const { return FItems; }

  private:
    std::vector<TParameter> FItems;
};

// Looks `name` up in `params` (null or empty: not found). On success `value` is the value cut to
// 255 bytes and trimmed of blanks and control characters; otherwise it is empty.
// The list parsed from the last string looked at is kept, module-wide, and reused while the
// same text comes again; the cache is safe to use from several threads.
bool GetParameter(const char* params, std::string_view name, std::string& value);
// Adds or replaces one parameter and rewrites the text.
void SetParameter(std::string& params, std::string_view name, std::string_view value);
// Removes one parameter and rewrites the text.
void RemoveParameter(std::string& params, std::string_view name);
// Drops the cached parsed list (the module does this when it is unloaded).
void ClearParameterCache();
