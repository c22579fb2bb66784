// The warnings of a parse, in the order found: each has a name of
// compiler/warning_names.h; past kMaxKeptDiagnostics they are only counted.
#ifndef PERCORSO_COMPILER_WARNING_LIST_H_
#define PERCORSO_COMPILER_WARNING_LIST_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/diagnostic.h"

namespace percorso {

class WarningList {
 public:
  /// A warning named `name` at `where`.
  void Add(std::string_view name, const SourceLocation& where, std::string text,
           std::vector<Note> notes);
  /// A warning made whole elsewhere, kept whatever the count.
  void Append(Diagnostic d) { warnings_.push_back(std::move(d)); }

  std::vector<Diagnostic>& warnings() { return warnings_; }
  size_t left_out() const { return left_out_; }

 private:
  std::vector<Diagnostic> warnings_;
  size_t left_out_ = 0;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_WARNING_LIST_H_
