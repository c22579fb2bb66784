#include "driver/run.h"

#include "driver/disk_sources.h"
#include "driver/errore.h"
#include "io/file_names.h"
#include "sources/writers.h"

namespace percorso {

int ReportCompile(const Scenario& s, const CompileReport& report, std::ostream& err) {
  switch (report.result) {
    case CompileResult::kIoError:
      err << "percorso: " << report.io_error << "\n";
      return kExitFailure;
    case CompileResult::kFatal:
      err << errore(std::to_string(report.fatal)) << "\n";
      return kExitFailure;
    case CompileResult::kNoRoute:
    case CompileResult::kWritten:
      break;
  }
  if (s.diagnostic.stato == 0 && report.result == CompileResult::kWritten) return kExitOk;
  err << DescribeStatus(s) << "\n";
  if (report.result == CompileResult::kNoRoute) {
    err << "percorso: no route was compiled; no binary file written\n";
  }
  return kExitStatus;
}

int Form_Load(Disk& disk, const std::string& dir, std::ostream& out, std::ostream& err) {
  Scenario s;
  s.line_key = std::string(kBuiltinLineKey);
  s.train_key = std::string(kBuiltinTrainKey);
  out << "Attendere" << std::endl;

  FileNames names = NameFiles(dir, s.line_key, s.train_key);
  // The sources first (the compile reads them back), then the crew documents.
  using Writer = bool (*)(Disk&, const FileNames&, std::string*);
  for (Writer write : {dati_linea, dati_treno, dati_note, dati_rallentamenti, dati_scheda}) {
    std::string message;
    if (!write(disk, names, &message)) {
      err << "percorso: " << message << "\n";
      return kExitFailure;
    }
  }
  DiskSourceFiles sources(disk, names.linea_txt, names.treno_txt, /*delete_after_reading=*/true);
  CompileReport report = memorizza_percorso(s, 1, sources, disk, names);
  return ReportCompile(s, report, err);
}

}  // namespace percorso
