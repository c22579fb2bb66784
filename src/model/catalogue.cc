#include "model/catalogue.h"

#include <vector>

#include "model/status.h"

namespace percorso {

std::string StatusRuleId(int32_t stato) {
  return "status-" + std::to_string(stato);
}

std::vector<RuleEntry> Rules() {
  std::vector<RuleEntry> all;
  for (const WarningEntry& w : kWarningCatalogue) {
    all.push_back({std::string(w.name), w.summary, w.docs});
  }
  for (const StatusRow& row : StatusTable()) {
    if (row.code == Status::kNone) continue;
    all.push_back({StatusRuleId(Code(row.code)), row.meaning, kStatusSection});
  }
  all.push_back({std::string(kOtherError),
                 "an error that stores no status: no route length, a fatal header error, a file "
                 "that cannot be read",
                 kReportSection});
  all.push_back({std::string(kOtherWarning), "warnings left out of a long list", kReportSection});
  return all;
}

}  // namespace percorso
