#include "driver/run.h"

#include "driver/compile_and_write.h"
#include "driver/disk_sources.h"
#include "driver/exit_status.h"
#include "io/file_names.h"
#include "io/fresh_file.h"
#include "sources/writers.h"

namespace percorso {

int Form_Load(Disk& disk, const std::string& dir, std::ostream& out, std::ostream& err) {
  Scenario s;
  s.line_key = std::string(kBuiltinLineKey);
  s.train_key = std::string(kBuiltinTrainKey);
  out << "Attendere" << std::endl;

  FileNames names = NameFiles(dir, s.line_key, s.train_key);
  // The sources first (the compile reads them back), then the crew documents,
  // all five replaced together.
  {
    FileSet texts(disk);
    std::string message;
    if (!AddBuiltinSources(texts, names, &message) || !AddCrewDocuments(texts, names, &message) ||
        !texts.Commit(&message)) {
      return Fail(err, message);
    }
  }
  DiskSourceFiles sources(disk, names.linea_txt, names.treno_txt, /*delete_after_reading=*/true);
  CompileReport report = CompileAndWrite(s, /*with_geometry=*/true, sources, disk, names);
  DiagnosticStyle style;
  style.colour = ColourFor(err);
  style.sources = &sources.texts();
  return ReportCompile(s, report, err, style);
}

}  // namespace percorso
