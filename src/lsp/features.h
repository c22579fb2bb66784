// The answers of the language server about one file: its diagnostics as the
// protocol carries them, hover, completion, signature help, inlay hints,
// symbols, the entries that notes name, and quick fixes.
#ifndef PERCORSO_LSP_FEATURES_H_
#define PERCORSO_LSP_FEATURES_H_

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "lsp/document.h"
#include "lsp/workspace.h"

namespace percorso {

/// The URI by which the client knows a path.
using UriOf = std::function<std::string(const std::string& path)>;

nlohmann::json DiagnosticsJson(const Workspace& ws, const FileDiagnostics& fd, const UriOf& uri);
nlohmann::json HoverJson(const Workspace& ws, const std::string& path, EditorPosition at);
nlohmann::json CompletionJson(const Workspace& ws, const std::string& path, EditorPosition at);
nlohmann::json SignatureHelpJson(const Workspace& ws, const std::string& path, EditorPosition at);
nlohmann::json InlayHintsJson(const Workspace& ws, const std::string& path, int first_line,
                              int last_line);
nlohmann::json DocumentSymbolsJson(const Workspace& ws, const std::string& path);
nlohmann::json DefinitionJson(const Workspace& ws, const std::string& path, EditorPosition at,
                              const UriOf& uri);
nlohmann::json CodeActionsJson(const Workspace& ws, const std::string& path, int first_line,
                               int last_line, const UriOf& uri);

}  // namespace percorso

#endif  // PERCORSO_LSP_FEATURES_H_
