// What a compile tells its author: errors (a status with its position and the
// place of the entry that raised it) and warnings, each with notes that
// explain it. Diagnostics are data; their place and message are written by
// the two functions below, for the console and for the page alike.
#ifndef PERCORSO_MODEL_DIAGNOSTIC_H_
#define PERCORSO_MODEL_DIAGNOSTIC_H_

#include <cstdint>
#include <string>
#include <vector>

namespace percorso {

/// Where in a source file something was read: 1-based line and column. Line 0
/// names only the file; an empty file name, no place at all.
struct SourceLocation {
  std::string file;
  int line = 0;
  int column = 0;
  bool known() const { return line > 0; }

  friend bool operator==(const SourceLocation&, const SourceLocation&) = default;
};

enum class Severity { kError, kWarning };

/// A line that explains a diagnostic, at its own place when it has one.
struct Note {
  SourceLocation where;
  std::string text;

  friend bool operator==(const Note&, const Note&) = default;
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
  /// A warning's name (compiler/warning_names.h), by which -Wno-NAME leaves
  /// it out; empty for an error.
  std::string name;

  friend bool operator==(const Diagnostic&, const Diagnostic&) = default;
};

/// The place as a diagnostic names it: "FILE:LINE:COL", "FILE" for a whole
/// file, empty without a file. The file is as it was given, bytes unchanged.
std::string DiagnosticPlace(const SourceLocation& where);

/// What a diagnostic says: its text (or its status's meaning, without one),
/// then "[status N, position P m]" for an error that stored a status and
/// "[-WNAME]" for a named warning.
std::string DiagnosticMessage(const Diagnostic& d);

}  // namespace percorso

#endif  // PERCORSO_MODEL_DIAGNOSTIC_H_
