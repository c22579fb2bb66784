#include "sources/writers.h"

#include "io/text_document.h"
#include "sources/builtin_line.h"
#include "sources/builtin_train.h"
#include "sources/documents.h"

namespace percorso {

bool dati_linea(Disk& disk, const FileNames& names, std::string* err) {
  return WriteLineList(disk, names.linea_txt, BuiltinLineLines(), err);
}

bool dati_treno(Disk& disk, const FileNames& names, std::string* err) {
  return WriteLineList(disk, names.treno_txt, BuiltinTrainLines(), err);
}

std::string BuiltinLineBytes() {
  return RenderLineList(MakeLineList(BuiltinLineLines()));
}

std::string BuiltinTrainBytes() {
  return RenderLineList(MakeLineList(BuiltinTrainLines()));
}

bool dati_note(Disk& disk, const FileNames& names, std::string* err) {
  return WriteLineList(disk, names.note, NoteLines(), err);
}

bool dati_rallentamenti(Disk& disk, const FileNames& names, std::string* err) {
  return WriteLineList(disk, names.rallentamenti, RallentamentiLines(), err);
}

bool dati_scheda(Disk& disk, const FileNames& names, std::string* err) {
  return WriteLineList(disk, names.scheda_treno, SchedaTrenoLines(), err);
}

bool AddBuiltinSources(FileSet& set, const FileNames& names, std::string* err) {
  return AddLineList(set, names.linea_txt, BuiltinLineLines(), err) &&
         AddLineList(set, names.treno_txt, BuiltinTrainLines(), err);
}

bool AddCrewDocuments(FileSet& set, const FileNames& names, std::string* err) {
  return AddLineList(set, names.note, NoteLines(), err) &&
         AddLineList(set, names.rallentamenti, RallentamentiLines(), err) &&
         AddLineList(set, names.scheda_treno, SchedaTrenoLines(), err);
}

}  // namespace percorso
