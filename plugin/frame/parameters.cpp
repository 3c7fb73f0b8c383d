#include "frame/parameters.h"

#include <mutex>

namespace {

constexpr size_t kMaxNameLength = 255;
constexpr size_t kMaxValueLength = 255;  // of a value handed out by GetParameter

// Blanks and control characters are trimmed from names and values.
bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

// The list parsed from the last text GetParameter looked at.
struct TParameterCache {
    std::mutex Lock;
    bool Valid = false;
    std::string Text;
    TParameterList List;
};

TParameterCache& Cache() {
    static TParameterCache cache;
    return cache;
}

}  // namespace

TParameterList TParameterList::Parse(std::string_view text) {
    TParameterList list;
    std::string name;
    std::string value;
    bool inValue = false;

    auto finish = [&] {
        if (inValue) {
            std::string_view trimmed = Trim(name);
            if (!trimmed.empty()) {
                TParameter parameter;
                parameter.Name = std::string(trimmed);
                if (!value.empty()) parameter.Value = value;
                list.FItems.push_back(std::move(parameter));
            }
        }
        name.clear();
        value.clear();
        inValue = false;
    };

    for (char c : text) {
        if (c == '\0') break;
        if (c == '|') {
            finish();
        } else if (c == '=' && !inValue) {
            inValue = true;
        } else if (inValue) {
            value.push_back(c);
        } else if (name.size() < kMaxNameLength) {
            name.push_back(c);
        }
    }
    finish();
    return list;
}

const TParameter* TParameterList::Find(std::string_view name) const {
    for (const TParameter& parameter : FItems) {
        if (SameName(parameter.Name, name)) return &parameter;
    }
    return nullptr;
}

void TParameterList::Set(std::string_view name, std::string_view value) {
    value = Trim(value);
    std::optional<std::string> stored;
    if (!value.empty()) stored = std::string(value);
    for (TParameter& parameter : FItems) {
        if (SameName(parameter.Name, name)) {
            parameter.Value = std::move(stored);
            return;
        }
    }
    name = Trim(name);
    if (name.empty()) return;
    FItems.push_back(TParameter{std::string(name.substr(0, kMaxNameLength)), std::move(stored)});
}

bool TParameterList::Remove(std::string_view name) {
    for (auto it = FItems.begin(); it != FItems.end(); ++it) {
        if (SameName(it->Name, name)) {
            FItems.erase(it);
            return true;
        }
    }
    return false;
}

std::string TParameterList::Write() const {
    std::string text;
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (i > 0) text += '|';
        text += FItems[i].Name;
        text += '=';
        text += FItems[i].Value ? *FItems[i].Value : std::string(" ");
    }
    return text;
}

bool GetParameter(const char* params, std::string_view name, std::string& value) {
    value.clear();
    if (params == nullptr || *params == '\0') return false;
    const std::string_view text(params);

    TParameterCache& cache = Cache();
    std::lock_guard lock(cache.Lock);
    if (!cache.Valid || cache.Text != text) {
        cache.Text = std::string(text);
        cache.List = TParameterList::Parse(text);
        cache.Valid = true;
    }
    const TParameter* found = cache.List.Find(name);
    if (found == nullptr) return false;
    if (found->Value) {
        value = std::string(Trim(std::string_view(*found->Value).substr(0, kMaxValueLength)));
    }
    return true;
}

void SetParameter(std::string& params, std::string_view name, std::string_view value) {
    TParameterList list = TParameterList::Parse(params);
    list.Set(name, value);
    params = list.Write();
}

void RemoveParameter(std::string& params, std::string_view name) {
    TParameterList list = TParameterList::Parse(params);
    list.Remove(name);
    params = list.Write();
}

void ClearParameterCache() {
    TParameterCache& cache = Cache();
    std::lock_guard lock(cache.Lock);
    cache.Valid = false;
    cache.Text.clear();
    cache.List = TParameterList();
}
