// The five writers of the built-in scenario, on a real directory.
#include "sources/writers.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "io/disk.h"
#include "io/file_names.h"
#include "sources/builtin_line.h"
#include "sources/builtin_train.h"
#include "sources/documents.h"
#include "support/faulty_disk.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

using WriterFn = bool (*)(Disk&, const FileNames&, std::string*);

struct WriterCase {
  const char* name;
  WriterFn write;
  std::string FileNames::*file;
  std::span<const std::string_view> (*lines)();
  size_t line_count;
};

const WriterCase kCases[] = {
    {"dati_linea", dati_linea, &FileNames::linea_txt, BuiltinLineLines, 188},
    {"dati_treno", dati_treno, &FileNames::treno_txt, BuiltinTrainLines, 90},
    {"dati_note", dati_note, &FileNames::note, NoteLines, 9},
    {"dati_rallentamenti", dati_rallentamenti, &FileNames::rallentamenti, RallentamentiLines, 46},
    {"dati_scheda", dati_scheda, &FileNames::scheda_treno, SchedaTrenoLines, 53},
};

FileNames Names(const TempDir& dir) {
  return NameFiles(dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
}

/// Splits file bytes at CR LF; every line, the last one included, must end
/// with CR LF.
std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "bytes after the last CR LF";
    if (end == std::string::npos) break;
    out.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return out;
}

TEST(WritersTest, EveryLineEndsWithCrLfAndTheSentinelIsNeverWritten) {
  TempDir dir;
  RealDisk disk;
  FileNames names = Names(dir);
  for (const WriterCase& c : kCases) {
    SCOPED_TRACE(c.name);
    std::string err;
    ASSERT_TRUE(c.write(disk, names, &err)) << err;
    std::string bytes = ReadBytes(names.*(c.file));
    ASSERT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(bytes.find("riferimento fine del file"), std::string::npos);
    std::vector<std::string> lines = SplitCrLf(bytes);
    ASSERT_EQ(lines.size(), c.line_count);
    std::span<const std::string_view> expected = c.lines();
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i], expected[i]) << "line " << i;
      // No lone CR or LF inside a line.
      EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "line " << i;
    }
  }
  EXPECT_EQ(dir.List().size(), 5u);
}

TEST(WritersTest, BytesThatMatterInTheFiles) {
  TempDir dir;
  RealDisk disk;
  FileNames names = Names(dir);
  std::string err;
  ASSERT_TRUE(dati_linea(disk, names, &err) && dati_treno(disk, names, &err) &&
              dati_note(disk, names, &err) && dati_scheda(disk, names, &err))
      << err;

  std::string linea = ReadBytes(names.linea_txt);
  EXPECT_TRUE(linea.starts_with("[generale]\r\nlunghezza percorso,    97000\r\n"));
  EXPECT_TRUE(linea.ends_with("\r\n[fine]\r\n"));

  std::string treno = ReadBytes(names.treno_txt);
  EXPECT_NE(treno.find("\r\norologio,    6               12            40 \r\n[aderenze]\r\n"),
            std::string::npos);
  EXPECT_TRUE(treno.ends_with("\r\nabbattimento,   46700,   AC\r\n[fine]\r\n"));

  std::string note = ReadBytes(names.note);
  EXPECT_NE(note.find("\r\n\r\n Treno espresso"), std::string::npos);
  EXPECT_NE(note.find("per\xF2 agevolate"), std::string::npos);
  EXPECT_NE(note.find("\r\n \r\n Massa"), std::string::npos);
  EXPECT_TRUE(note.ends_with("aderenza.\r\n   \r\n\r\n Buon Viaggio.\r\n"));

  std::string scheda = ReadBytes(names.scheda_treno);
  EXPECT_TRUE(scheda.starts_with("\r\n\r\n  ____"));
  EXPECT_NE(scheda.find("MASSA BLOCCATA   |       \r\n"), std::string::npos);
}

TEST(WritersTest, RewritingReplacesTheFileWhole) {
  TempDir dir;
  RealDisk disk;
  FileNames names = Names(dir);
  std::string err;
  ASSERT_TRUE(dati_treno(disk, names, &err)) << err;
  std::string first = ReadBytes(names.treno_txt);
  WriteBytes(names.treno_txt, std::string(20000, 'x'));
  ASSERT_TRUE(dati_treno(disk, names, &err)) << err;
  EXPECT_EQ(ReadBytes(names.treno_txt), first);
  EXPECT_EQ(dir.List().size(), 1u);
}

TEST(WritersTest, FailureNamesTheFile) {
  TempDir dir;
  testing::FaultyDisk disk;
  disk.Arm(testing::Op::kWrite, 1);
  FileNames names = Names(dir);
  std::string err;
  EXPECT_FALSE(dati_rallentamenti(disk, names, &err));
  EXPECT_TRUE(disk.fired());
  EXPECT_NE(err.find(names.rallentamenti), std::string::npos) << err;
  EXPECT_NE(err.find("(injected)"), std::string::npos) << err;
  EXPECT_TRUE(dir.List().empty());
}

}  // namespace
}  // namespace percorso
