// What a compile tells its author: errors (a status with its position and the
// place of the entry that raised it) and warnings, each with notes that
// explain it and, where the remedy is known, fixes that carry it out.
// Diagnostics are data; their place and message are written by the two
// functions below, for the console and for the page alike.
#ifndef PERCORSO_MODEL_DIAGNOSTIC_H_
#define PERCORSO_MODEL_DIAGNOSTIC_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue.h"

namespace percorso {

/// Where in a source file something was read: 1-based line and column (a
/// byte of the line). Line 0 names only the file; an empty file name, no
/// place at all. A field's place also spans it: `end_column` is its last
/// byte (0 for a place that is a point).
struct SourceLocation {
  std::string file;
  int line = 0;
  int column = 0;
  int end_column = 0;
  bool known() const { return line > 0; }
  /// The last byte of the place: its end, or its column for a point.
  int last_column() const { return end_column >= column ? end_column : column; }
  /// True when the place spans more than one byte.
  bool is_range() const { return end_column > column; }

  friend bool operator==(const SourceLocation&, const SourceLocation&) = default;
};

enum class Severity { kError, kWarning };

/// A line that explains a diagnostic, at its own place when it has one.
struct Note {
  SourceLocation where;
  std::string text;

  friend bool operator==(const Note&, const Note&) = default;
};

/// A change to a source that removes the cause of a diagnostic: the bytes of
/// `range` (one line, from `column` to `end_column`; `end_column` one before
/// `column` to insert before it) are replaced by `replacement`. The fixes of
/// one diagnostic are applied together.
struct Fix {
  SourceLocation range;
  std::string replacement;
  /// What the fix does, as an editor offers it ("Change to 'pendenza'").
  std::string title;

  friend bool operator==(const Fix&, const Fix&) = default;
};

/// One problem. An error carries the status code it stored in `stato` and the
/// position in metres that went with it; a warning has `stato` 0. `text` says
/// what is wrong; an error without a text is described by its status.
struct Diagnostic {
  Severity severity = Severity::kError;
  int32_t stato = 0;
  int32_t progressiva_errore = 0;
  SourceLocation where;
  std::string text;
  std::vector<Note> notes;
  /// A warning's entry in the catalogue, by which -Wno-NAME leaves it out;
  /// none for an error and for the counts of what was left out.
  std::optional<WarningId> warning;
  std::vector<Fix> fixes;

  friend bool operator==(const Diagnostic&, const Diagnostic&) = default;
};

/// The column on a screen (from 1) at which byte `column` (from 1) of `line`
/// starts: a tab goes on to the next multiple of 8 columns, as compilers
/// count it, a byte that continues a UTF-8 sequence takes no column, any
/// other byte one.
int DisplayColumn(std::string_view line, int column);

/// The catalogue's name of a diagnostic: a warning's name, "status-N" for an
/// error that stored a status, kOtherError or kOtherWarning for the others.
std::string DiagnosticRule(const Diagnostic& d);

/// The place as a diagnostic names it: "FILE:LINE:COL", "FILE" for a whole
/// file, empty without a file. The file is as it was given, bytes unchanged.
std::string DiagnosticPlace(const SourceLocation& where);

/// What a diagnostic says: its text (or its status's meaning, without one),
/// then "[status N, position P m]" for an error that stored a status and
/// "[-WNAME]" for a named warning.
std::string DiagnosticMessage(const Diagnostic& d);

}  // namespace percorso

#endif  // PERCORSO_MODEL_DIAGNOSTIC_H_
