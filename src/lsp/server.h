// `percorso lsp`: a language server over JSON-RPC. It answers the requests
// of one client and tells it, after every change, what the compile of each
// file's pair finds.
#ifndef PERCORSO_LSP_SERVER_H_
#define PERCORSO_LSP_SERVER_H_

#include <cstdint>
#include <istream>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "io/disk.h"
#include "lsp/workspace.h"

namespace percorso {

/// The largest message the server reads; a larger one is dropped whole and
/// answered with an error.
inline constexpr uint64_t kMaxMessageBytes = 64ull << 20;

class LanguageServer {
 public:
  explicit LanguageServer(Disk& disk) : workspace_(disk) {}

  /// Handles one message body; returns the bodies to send back, in order.
  std::vector<std::string> Handle(const std::string& body);
  /// What to send for a message that could not be read (`reason`).
  std::vector<std::string> Unreadable(const std::string& reason) const;

  /// After "exit": the process's exit status (0 after "shutdown", else 1).
  bool exited() const { return exited_; }
  int exit_status() const { return shutdown_ ? 0 : 1; }

 private:
  Workspace workspace_;
  /// The URI by which the client named each path.
  std::map<std::string, std::string> uri_of_path_;
  bool initialized_ = false;
  bool shutdown_ = false;
  bool exited_ = false;
};

/// Serves one client on `in` and `out` (both binary) until "exit" or the
/// end of the input. Returns the exit status.
int ServeLanguageClient(std::istream& in, std::ostream& out, Disk& disk);

/// One message on the wire: its header and `body`.
std::string Framed(const std::string& body);

}  // namespace percorso

#endif  // PERCORSO_LSP_SERVER_H_
