// The writers of the built-in scenario: the two source files that the compiler
// reads back, and the three crew documents. Each replaces its file of `names`
// whole through the line list, every line followed by CR LF; on failure `*err`
// is one line naming the file and the reason, and the old file (if any) is
// untouched.
#ifndef PERCORSO_SOURCES_WRITERS_H_
#define PERCORSO_SOURCES_WRITERS_H_

#include <string>

#include "io/disk.h"
#include "io/file_names.h"
#include "io/fresh_file.h"

namespace percorso {

/// The line description file, `names.linea_txt`.
bool dati_linea(Disk& disk, const FileNames& names, std::string* err);
/// The train description file, `names.treno_txt`.
bool dati_treno(Disk& disk, const FileNames& names, std::string* err);
/// The bytes that dati_linea and dati_treno write.
std::string BuiltinLineBytes();
std::string BuiltinTrainBytes();

/// The notes, `names.note`.
bool dati_note(Disk& disk, const FileNames& names, std::string* err);
/// The slowdown order, `names.rallentamenti`.
bool dati_rallentamenti(Disk& disk, const FileNames& names, std::string* err);
/// The train card, `names.scheda_treno`.
bool dati_scheda(Disk& disk, const FileNames& names, std::string* err);

/// The files of dati_linea and dati_treno, added to `set` in that order, so
/// that they are replaced together.
bool AddBuiltinSources(FileSet& set, const FileNames& names, std::string* err);
/// The files of dati_note, dati_rallentamenti and dati_scheda, added to `set`
/// in that order.
bool AddCrewDocuments(FileSet& set, const FileNames& names, std::string* err);

}  // namespace percorso

#endif  // PERCORSO_SOURCES_WRITERS_H_
