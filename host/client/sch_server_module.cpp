#include "sch_server_module.h"

#include <algorithm>

#include "client.h"

namespace client {

IHostDocument* TSchServerModule::CreateDocument(const char* kind, const char* name) {
    THostDocument* document = FClient.CreateSchematicDocument(kind ? kind : "", name ? name : "");
    if (document) FDocuments.push_back(document);
    return document;
}

void TSchServerModule::DestroyDocument(IHostDocument* document) {
    std::erase(FDocuments, document);
}

IClient* TSchServerModule::GetClient() {
    return &FClient;
}

IHostDocument* TSchServerModule::GetDocumentAt(int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= FDocuments.size()) return nullptr;
    return FDocuments[static_cast<size_t>(index)];
}

}  // namespace client
