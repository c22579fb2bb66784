// The warnings of a parse, in the order found: each has an entry of the
// catalogue (model/catalogue.h); past kMaxKeptDiagnostics they are only counted.
#ifndef PERCORSO_COMPILER_WARNING_LIST_H_
#define PERCORSO_COMPILER_WARNING_LIST_H_

#include <cstddef>
#include <string>
#include <vector>

#include "model/diagnostic.h"

namespace percorso {

class WarningList {
 public:
  /// The warning `id` at `where`; its fixes, when the remedy is known.
  void Add(WarningId id, const SourceLocation& where, std::string text, std::vector<Note> notes,
           std::vector<Fix> fixes = {});
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
