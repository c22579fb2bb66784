#include "compiler/open_source.h"

#include <utility>

namespace percorso {

bool OpenSource::Open(Source which) {
  current_ = which;
  reader_.reset();
  contents_.clear();
  SourceText text = files_.Read(which);
  if (!text.ok) {
    NoteIoError(text.error);
    return false;
  }
  contents_ = std::move(text.contents);
  reader_.emplace(contents_);
  return true;
}

void OpenSource::Delete(Source which) {
  bool& deleted = which == Source::kLinea ? linea_deleted_ : treno_deleted_;
  if (deleted) return;
  deleted = true;
  std::string error;
  if (!files_.Delete(which, &error)) NoteIoError(error);
}

void OpenSource::DeleteRemaining() {
  for (Source which : {Source::kLinea, Source::kTreno}) {
    if (files_.Exists(which)) Delete(which);
  }
}

void OpenSource::NoteIoError(const std::string& message) {
  if (io_error_.empty()) io_error_ = message;
}

}  // namespace percorso
