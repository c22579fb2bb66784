#include "lsp/server.h"

#include <map>
#include <nlohmann/json.hpp>
#include <utility>

#include "lsp/features.h"
#include "lsp/message_reader.h"

namespace percorso {
namespace {

using nlohmann::json;

// The error codes of JSON-RPC and of the protocol.
constexpr int kParseError = -32700;
constexpr int kInvalidRequest = -32600;
constexpr int kMethodNotFound = -32601;
constexpr int kInvalidParams = -32602;
constexpr int kInternalError = -32603;
constexpr int kServerNotInitialized = -32002;
constexpr int kMessageTypeError = 1;
constexpr int kMessageTypeInfo = 3;

constexpr std::string_view kViewCommand = "percorso.view";

// No message of the protocol nests nearly this deep; a deeper one is refused
// before it is parsed, since the parsed value's recursion would take the
// stack with it.
constexpr int kMaxNesting = 512;

/// True when the arrays and objects of the JSON text `body` nest deeper than
/// `limit`, brackets inside strings not counted. Malformed text is the
/// parser's to refuse.
bool NestsDeeperThan(std::string_view body, int limit) {
  int depth = 0;
  bool in_string = false, escaped = false;
  for (char c : body) {
    if (in_string) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        in_string = false;
      }
    } else if (c == '"') {
      in_string = true;
    } else if (c == '[' || c == '{') {
      if (++depth > limit) return true;
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return false;
}

std::string Dump(const json& j) {
  // Texts of the sources that are not UTF-8 never stop a message.
  return j.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string Response(const json& id, json result) {
  return Dump({{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}});
}

std::string ErrorResponse(const json& id, int code, const std::string& message) {
  return Dump({{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}});
}

std::string Notification(const std::string& method, json params) {
  return Dump({{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}});
}

json Capabilities() {
  return {
      {"positionEncoding", "utf-16"},
      {"textDocumentSync", {{"openClose", true}, {"change", 1}, {"save", {{"includeText", true}}}}},
      {"hoverProvider", true},
      {"completionProvider", {{"triggerCharacters", {"["}}}},
      {"signatureHelpProvider", {{"triggerCharacters", {","}}, {"retriggerCharacters", {" "}}}},
      {"inlayHintProvider", true},
      {"documentSymbolProvider", true},
      {"definitionProvider", true},
      {"codeActionProvider", {{"codeActionKinds", {"quickfix"}}}},
      {"executeCommandProvider", {{"commands", {kViewCommand}}}},
  };
}

EditorPosition PositionOf(const json& p) {
  return {p.at("line").get<int>(), p.at("character").get<int>()};
}

}  // namespace

std::string Framed(const std::string& body) {
  return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::vector<std::string> LanguageServer::Unreadable(const std::string& reason) const {
  return {ErrorResponse(nullptr, kInvalidRequest, reason),
          Notification("window/showMessage",
                       {{"type", kMessageTypeError}, {"message", "percorso: " + reason}})};
}

std::vector<std::string> LanguageServer::Handle(const std::string& body) {
  if (NestsDeeperThan(body, kMaxNesting)) {
    return {ErrorResponse(nullptr, kParseError,
                          "JSON nested deeper than " + std::to_string(kMaxNesting) + " levels")};
  }
  json message = json::parse(body, nullptr, /*allow_exceptions=*/false);
  if (message.is_discarded()) return {ErrorResponse(nullptr, kParseError, "not JSON")};
  if (!message.is_object()) {
    return {ErrorResponse(nullptr, kInvalidRequest, "a message is one JSON object")};
  }
  const bool is_request = message.contains("id");
  const json id = is_request ? message["id"] : json(nullptr);
  if (is_request && !id.is_number_integer() && !id.is_string()) {
    return {ErrorResponse(nullptr, kInvalidRequest, "an id is a number or a string")};
  }
  auto method_it = message.find("method");
  if (method_it == message.end() || !method_it->is_string()) {
    // A response to a request of ours (none are sent) or a message of no kind.
    if (is_request && !message.contains("result") && !message.contains("error")) {
      return {ErrorResponse(id, kInvalidRequest, "a request without a method")};
    }
    return {};
  }
  const std::string method = method_it->get<std::string>();
  const json params = message.value("params", json::object());
  std::vector<std::string> out;
  std::map<std::string, std::string> uris;

  if (method == "exit") {
    exited_ = true;
    return {};
  }
  if (!initialized_ && method != "initialize") {
    if (is_request) return {ErrorResponse(id, kServerNotInitialized, "not initialized yet")};
    return {};
  }
  if (shutdown_) {
    if (is_request) return {ErrorResponse(id, kInvalidRequest, "the server is shutting down")};
    return {};
  }
  try {
    auto path_of = [&](const json& p) {
      const std::string uri = p.at("textDocument").at("uri").get<std::string>();
      std::string path = PathFromUri(uri);
      if (!path.empty()) uri_of_path_[path] = uri;
      return path;
    };
    const UriOf uri = [this](const std::string& path) {
      auto it = uri_of_path_.find(path);
      return it != uri_of_path_.end() ? it->second : UriFromPath(path);
    };
    auto publish = [&](const std::string& path) {
      for (const FileDiagnostics& fd : workspace_.Analyse(path)) {
        out.push_back(
            Notification("textDocument/publishDiagnostics", DiagnosticsJson(workspace_, fd, uri)));
      }
    };
    if (method == "initialize") {
      if (initialized_) return {ErrorResponse(id, kInvalidRequest, "initialized already")};
      initialized_ = true;
      return {
          Response(id, {{"capabilities", Capabilities()}, {"serverInfo", {{"name", "percorso"}}}})};
    }
    if (method == "initialized" || method.starts_with("$/")) return {};
    if (method == "shutdown") {
      shutdown_ = true;
      return {Response(id, nullptr)};
    }
    if (method == "textDocument/didOpen") {
      std::string path = path_of(params);
      if (path.empty()) return {};
      workspace_.SetText(path, params.at("textDocument").at("text").get<std::string>());
      publish(path);
      return out;
    }
    if (method == "textDocument/didChange") {
      std::string path = path_of(params);
      const json& changes = params.at("contentChanges");
      if (path.empty() || !changes.is_array() || changes.empty()) return {};
      // The whole text, as the server asks for it.
      workspace_.SetText(path, changes.back().at("text").get<std::string>());
      publish(path);
      return out;
    }
    if (method == "textDocument/didSave") {
      std::string path = path_of(params);
      if (path.empty()) return {};
      if (params.contains("text")) workspace_.SetText(path, params["text"].get<std::string>());
      publish(path);
      return out;
    }
    if (method == "textDocument/didClose") {
      std::string path = path_of(params);
      if (path.empty()) return {};
      workspace_.Close(path);
      publish(path);
      return out;
    }
    if (!is_request) return {};
    if (method == "textDocument/hover") {
      return {
          Response(id, HoverJson(workspace_, path_of(params), PositionOf(params.at("position"))))};
    }
    if (method == "textDocument/completion") {
      return {Response(
          id, CompletionJson(workspace_, path_of(params), PositionOf(params.at("position"))))};
    }
    if (method == "textDocument/signatureHelp") {
      return {Response(
          id, SignatureHelpJson(workspace_, path_of(params), PositionOf(params.at("position"))))};
    }
    if (method == "textDocument/inlayHint") {
      const json& range = params.at("range");
      return {Response(
          id, InlayHintsJson(workspace_, path_of(params), range.at("start").at("line").get<int>(),
                             range.at("end").at("line").get<int>()))};
    }
    if (method == "textDocument/documentSymbol") {
      return {Response(id, DocumentSymbolsJson(workspace_, path_of(params)))};
    }
    if (method == "textDocument/definition") {
      return {Response(
          id, DefinitionJson(workspace_, path_of(params), PositionOf(params.at("position")), uri))};
    }
    if (method == "textDocument/codeAction") {
      const json& range = params.at("range");
      return {Response(
          id, CodeActionsJson(workspace_, path_of(params), range.at("start").at("line").get<int>(),
                              range.at("end").at("line").get<int>(), uri))};
    }
    if (method == "workspace/executeCommand") {
      if (params.at("command").get<std::string>() != kViewCommand) {
        return {ErrorResponse(id, kInvalidParams, "no such command")};
      }
      const json& args = params.at("arguments");
      std::string path = PathFromUri(args.at(0).get<std::string>());
      std::string err;
      std::optional<std::string> page = workspace_.ViewPage(path, &err);
      // A commit that a stopped run had left half done in the folder is told.
      if (!workspace_.page_notice().empty()) {
        out.push_back(Notification(
            "window/showMessage",
            {{"type", kMessageTypeInfo}, {"message", "percorso: " + workspace_.page_notice()}}));
      }
      if (!page) {
        out.push_back(ErrorResponse(id, kInternalError, err));
      } else {
        out.push_back(Response(id, {{"path", *page}, {"uri", UriFromPath(*page)}}));
      }
      return out;
    }
    return {ErrorResponse(id, kMethodNotFound, "no such method: " + method)};
  } catch (const json::exception& e) {
    if (!is_request) return out;
    return {ErrorResponse(id, kInvalidParams, std::string("bad parameters: ") + e.what())};
  }
}

int ServeLanguageClient(std::istream& in, std::ostream& out, Disk& disk) {
  MessageReader reader(in, kMaxMessageBytes);
  LanguageServer server(disk);
  std::string body, error;
  for (;;) {
    ReadOutcome got = reader.Next(&body, &error);
    if (got == ReadOutcome::kEnd) return server.exit_status();
    std::vector<std::string> replies =
        got == ReadOutcome::kMessage ? server.Handle(body) : server.Unreadable(error);
    for (const std::string& r : replies) out << Framed(r);
    out.flush();
    if (server.exited()) return server.exit_status();
    if (!out) return 1;
  }
}

}  // namespace percorso
