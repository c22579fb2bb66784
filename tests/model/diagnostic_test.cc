#include "model/diagnostic.h"

#include <gtest/gtest.h>

namespace percorso {
namespace {

TEST(DiagnosticTextTest, PlaceAndMessageAsTheReportAndThePageShowThem) {
  struct Case {
    Diagnostic d;
    std::string place, message;
  };
  const Case cases[] = {
      {{Severity::kError, 16, 4250, {"some/dir/L_T-.txt", 57, 13}, "", {}, {}, {}},
       "some/dir/L_T-.txt:57:13",
       "signal cell already taken [status 16, position 4250 m]"},
      {{Severity::kError, 101, 0, {"d/L_linea.txt", 0, 0}, "", {}, {}, {}},
       "d/L_linea.txt",
       "line description file missing [status 101, position 0 m]"},
      {{Severity::kError,
        0,
        0,
        {"L_linea.txt", 0, 0},
        "no route length: nothing to compile",
        {},
        {},
        {}},
       "L_linea.txt",
       "no route length: nothing to compile"},
      {{Severity::kWarning,
        0,
        0,
        {"t.txt", 2, 1},
        "unknown keyword",
        {},
        WarningId::kMisspeltKeyword,
        {}},
       "t.txt:2:1",
       "unknown keyword [-Wmisspelt-keyword]"},
      {{Severity::kWarning, 0, 0, {}, "no place", {}, {}, {}}, "", "no place"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(DiagnosticPlace(c.d.where), c.place);
    EXPECT_EQ(DiagnosticMessage(c.d), c.message);
  }
}

}  // namespace
}  // namespace percorso
