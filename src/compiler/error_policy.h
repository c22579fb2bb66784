// The compile and the check treat an error of an entry differently: a compile
// sets the model's status and, for most errors, ends the parse; a check
// records the error, leaves the entry out and reads on. This is that policy,
// and the list of a check's errors.
#ifndef PERCORSO_COMPILER_ERROR_POLICY_H_
#define PERCORSO_COMPILER_ERROR_POLICY_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "model/diagnostic.h"
#include "model/model.h"
#include "model/status.h"

namespace percorso {

/// What the reading of a source file does after an entry.
enum class Flow {
  kGoOn,       // read the next entry
  kEndOfFile,  // go to the end steps of the file (its end, or a range failure)
  kStop,       // the parse is over; the status and the deletions are done
  kSkip,       // (check) the entry raised an error and is left out; read on
};

/// The most warnings, and the most errors, that a parse keeps.
inline constexpr size_t kMaxKeptDiagnostics = 10000;

class ErrorPolicy {
 public:
  /// With `recover` (a check), an entry that raises an error is recorded and
  /// left out; without, the error goes in the status of `s`.
  ErrorPolicy(Scenario& s, bool recover) : s_(s), recover_(recover) {}

  bool recovering() const { return recover_; }
  /// The flow after a failure that has already been raised.
  Flow AfterFailure() const { return recover_ ? Flow::kSkip : Flow::kStop; }

  /// Raises `code` at `where` with `notes` (and `posizione` for
  /// `progressiva_errore`): a compile sets the model's status and returns
  /// `flow`; a check records the error (at most kMaxKeptDiagnostics, the rest
  /// counted) and returns Flow::kSkip where `flow` would end the file or the
  /// parse.
  Flow Raise(Status code, const SourceLocation& where, std::optional<int32_t> posizione,
             std::vector<Note> notes, Flow flow);
  /// Records an error that stores no status.
  void Record(Diagnostic d) { errors_.push_back(std::move(d)); }

  /// The errors recorded, in the order raised, and how many were left out.
  std::vector<Diagnostic>& errors() { return errors_; }
  size_t left_out() const { return left_out_; }

 private:
  Scenario& s_;
  bool recover_;
  std::vector<Diagnostic> errors_;
  size_t left_out_ = 0;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_ERROR_POLICY_H_
