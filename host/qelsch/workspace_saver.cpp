// SchEditor::SaveWorkspace: one JSON file per open document.
#include <fstream>
#include <system_error>

#include "document_json.h"
#include "editor.h"
#include "file_names.h"
#include "object_store.h"

namespace qelsch {
namespace {

constexpr std::string_view kDocumentExtension = ".json";

// Writes through a temporary file, so that a failed save never leaves half a document behind.
bool WriteFile(const std::filesystem::path& file, const std::string& text, std::string& error) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            error = "cannot write " + temporary.string();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, file, renamed);
    if (renamed) {
        error = "cannot write " + file.string() + ": " + renamed.message();
        return false;
    }
    return true;
}

}  // namespace

SaveResult SchEditor::SaveWorkspace(const std::filesystem::path& folder,
                                    const SaveOptions& options) const {
    SaveResult result;
    std::error_code created;
    std::filesystem::create_directories(folder, created);
    if (created) {
        result.errors.push_back("cannot create " + folder.string() + ": " + created.message());
        return result;
    }
    UniqueFileNames names;
    for (SchHandle handle : FStore->Documents()) {
        const Document* document = FStore->FindDocument(handle);
        if (!document) continue;
        const std::string stem = SafeFileStem(ToUtf8(document->name, options.codePage));
        const std::filesystem::path file = folder / names.Claim(stem, kDocumentExtension);
        const std::string text =
            DocumentToJson(*FStore, *document, options.codePage)
                .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) +
            "\n";
        std::string error;
        if (WriteFile(file, text, error)) {
            result.files.push_back({handle, file});
        } else {
            result.errors.push_back(error);
        }
    }
    return result;
}

}  // namespace qelsch
