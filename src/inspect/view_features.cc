#include "inspect/view_features.h"

#include <set>

#include "inspect/dump_format.h"
#include "inspect/text_out.h"
#include "model/catalogue.h"
#include "model/cells.h"
#include "model/diagnostic.h"
#include "model/status.h"
#include "model/windows1252.h"

namespace percorso {
namespace {

void CollectStations(const ViewScenario& s, ViewFeatures* f) {
  std::set<int> board_slots;
  std::vector<int64_t> stop_cell(kNumVoci, -1);
  for (size_t i = 0; i < s.celle.size(); ++i) {
    const cella& c = s.celle[i];
    if (c.tipo == kCartello) board_slots.insert(c.dato1);
    if (c.tipo == kFermata && c.dato1 > 0 && c.dato1 < kNumVoci && stop_cell[c.dato1] < 0) {
      stop_cell[c.dato1] = static_cast<int64_t>(i);
    }
  }
  for (int slot = 1; slot <= kPrimaVoceCartello; ++slot) {
    const voce& v = s.voci[static_cast<size_t>(slot)];
    bool named_station = !v.nome.empty() && board_slots.count(slot) == 0;
    if (!named_station && stop_cell[slot] < 0) continue;
    std::string name =
        v.nome.empty() ? "(slot " + std::to_string(slot) + ")" : Utf8FromWindows1252(v.nome);
    f->stations.push_back({slot, name, &v, stop_cell[slot]});
  }
}

void CollectStretches(const ViewScenario& s, ViewFeatures* f) {
  for (size_t i = 1; i < s.celle.size(); ++i) {
    const cella& c = s.celle[i];
    if (c.montagna == 0) continue;
    int64_t index = static_cast<int64_t>(i);
    if (f->stretches.empty() || f->stretches.back().last_cell != index - 1 ||
        f->stretches.back().montagna != c.montagna) {
      f->stretches.push_back({index, index, c.montagna, false});
    }
    ViewStretch& st = f->stretches.back();
    st.last_cell = index;
    if (c.tipo == kRiempitivoGalleria) st.tunnel = true;
  }
}

void CollectCellFeatures(const ViewScenario& s, ViewFeatures* f) {
  std::optional<size_t> open_slowdown;
  for (size_t i = 1; i < s.celle.size(); ++i) {
    const cella& c = s.celle[i];
    int64_t index = static_cast<int64_t>(i);
    switch (c.tipo) {
      case kSegnale:
        f->features.push_back({FeatureRow::kSignals, index, ""});
        break;
      case kInizioRallentamento:
        f->slowdowns.push_back({index, index, c.dato1});
        open_slowdown = f->slowdowns.size() - 1;
        break;
      case kFineRallentamento:
        if (open_slowdown) {
          f->slowdowns[*open_slowdown].end_cell = index;
          open_slowdown.reset();
        } else {
          // An end with no start before it still shows, as a slowdown of one cell.
          f->slowdowns.push_back({index, index, c.dato1});
        }
        break;
      case kAvvisoRallentamento:
      case kNumerataRallentamento:
        f->features.push_back({FeatureRow::kSlowdownBoards, index, ""});
        break;
      case kIndicatoreVMax:
        f->features.push_back({FeatureRow::kSpeedBoards, index, SpeedCodeText(c.dato1)});
        break;
      case kCartello:
        f->features.push_back({FeatureRow::kTextBoards, index, BoardText(s, c)});
        break;
      case kMarcatore:
      case kAbbattimentoNullo:
        f->features.push_back({FeatureRow::kMarkers, index, ""});
        break;
      default:
        break;
    }
  }
}

}  // namespace

std::vector<ViewDiagnostic> PageDiagnostics(const std::vector<Diagnostic>& diagnostics) {
  std::vector<ViewDiagnostic> out;
  for (const Diagnostic& d : diagnostics) {
    std::optional<int64_t> metres;
    if (d.stato != 0 && d.progressiva_errore > 0) metres = d.progressiva_errore;
    const bool warning = d.severity == Severity::kWarning;
    std::string group = warning ? (d.warning ? std::string(Warning(*d.warning).name) : "warning")
                        : d.stato != 0 ? "status " + std::to_string(d.stato)
                                       : "error";
    out.push_back({warning ? "warning" : "error", ValidUtf8(DiagnosticPlace(d.where)),
                   ValidUtf8(DiagnosticMessage(d)), metres, d.where, std::move(group)});
    for (const Note& n : d.notes) {
      out.push_back({"note", ValidUtf8(DiagnosticPlace(n.where)), ValidUtf8(n.text), std::nullopt,
                     n.where, ""});
    }
  }
  return out;
}

ViewScenario ViewOfModel(const Scenario& s, std::vector<SourceEntry> records) {
  ViewScenario v;
  v.line_key = s.line_key;
  v.train_key = s.train_key;
  v.celle = s.celle;
  v.voci = s.voci;
  if (s.tracciato) v.tracciato = ExpandTracciato(*s.tracciato);
  v.entries = std::move(records);
  for (const Diagnostic& d : s.raised) {
    const auto code = static_cast<Status>(d.stato);
    // These are recorded and the reading goes on.
    if (code == Status::kNone || code == Status::kReferenceNotMultiple ||
        code == Status::kNoMarkerBeforeSignal || code == Status::kNoMarkerBeforeSlowdown ||
        code == Status::kNoMarkerAfterSlowCell) {
      continue;
    }
    v.stops.push_back({d.where, d.stato, code != Status::kBeyondCells});
  }
  return v;
}

ViewFeatures CollectFeatures(const ViewScenario& s) {
  ViewFeatures f;
  if (s.tracciato) {
    f.axis_metres = s.tracciato->ultimo_metro();
  } else if (!s.celle.empty()) {
    f.axis_metres = CellMetres(static_cast<int64_t>(s.celle.size()) - 1);
  }
  if (f.axis_metres <= 0) f.axis_metres = 1;
  CollectStations(s, &f);
  CollectStretches(s, &f);
  CollectCellFeatures(s, &f);
  return f;
}

std::string BoardText(const ViewScenario& s, const cella& c) {
  if (c.dato1 < 0 || c.dato1 >= kNumVoci) return "";
  return Utf8FromWindows1252(s.voci[static_cast<size_t>(c.dato1)].nome);
}

std::string SpeedCodeText(int16_t code) {
  auto [high, low] = DecodeSpeedCode(code);
  if (low == 0) return std::to_string(high);
  return std::to_string(high) + "/" + std::to_string(low);
}

}  // namespace percorso
