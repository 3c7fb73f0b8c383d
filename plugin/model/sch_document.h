#pragma once
// Opening the host schematic documents of a design (sheets, title sheet, project sheet) and
// setting their page options.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "host/document_options.h"
#include "host/point.h"

// Opens a new "Sch" document named `name`, shows it (it becomes the editor's current document),
// reads its options and redraws it. The handle is 0 when the host gives no document; every
// later exchange then does nothing.
std::unique_ptr<TDocumentOptions> OpenSchematicDocument(const std::string& name);

// Sheet size from the page size code (left as the host has it for "User" and
// "ScaleToFitPage"), the border, and the custom size from the workspace [host units]. Without a
// workspace size the host's own custom-size settings are kept.
void SetSheetOptions(TDocumentOptions& options, uint8_t pageSizeCode, bool drawBorder,
                     std::optional<TPoint> workspace);

// Writes the options back; the document is complete.
void CloseSchematicDocument(TDocumentOptions& options);
