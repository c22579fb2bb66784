#include "output/decode.h"

#include <cstdint>

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {
namespace {

std::string Bytes(uint64_t n) {
  return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

/// Bytes that an entry with `tag` takes after its tag, or -1 for a tag that the
/// layout does not know.
int ValueSize(uint16_t tag) {
  switch (tag) {
    case layout::kTagVuoto:
      return 0;
    case layout::kTagIntero:
      return 2;
    case layout::kTagReale:
      return 8;
    default:
      return -1;
  }
}

}  // namespace

bool DecodeCelle(std::string_view bytes, std::vector<cella>* celle, std::string* err) {
  if (bytes.empty()) {
    *err = "the file is empty: a cell file holds at least one 15-byte cell record";
    return false;
  }
  if (bytes.size() % layout::kCellRecordSize != 0) {
    *err = Bytes(bytes.size()) + " is not a whole number of " +
           std::to_string(layout::kCellRecordSize) + "-byte cell records";
    return false;
  }
  size_t count = bytes.size() / layout::kCellRecordSize;
  celle->assign(count, cella{});
  for (size_t i = 0; i < count; ++i) {
    const char* p = bytes.data() + i * layout::kCellRecordSize;
    cella& c = (*celle)[i];
    c.tipo = DecodeFixed8(p + layout::kCellTipo);
    c.dato1 = DecodeSigned16(p + layout::kCellDato1);
    c.dato2 = DecodeSigned16(p + layout::kCellDato2);
    c.dato3 = DecodeSigned16(p + layout::kCellDato3);
    c.dato4 = DecodeSigned16(p + layout::kCellDato4);
    c.tempo = DecodeFixed8(p + layout::kCellTempo);
    c.avviso = DecodeFixed8(p + layout::kCellAvviso);
    c.montagna = DecodeFixed8(p + layout::kCellMontagna);
    c.velocita = DecodeFixed8(p + layout::kCellVelocita);
    c.pendenza = DecodeFixed8(p + layout::kCellPendenza);
    c.aderenza = DecodeFixed8(p + layout::kCellAderenza);
  }
  return true;
}

bool DecodeVoci(std::string_view bytes, std::array<voce, kNumVoci>* voci, std::string* err) {
  size_t at = 0;
  for (int slot = 0; slot < kNumVoci; ++slot) {
    size_t left = bytes.size() - at;
    if (left < layout::kVoceNome) {
      *err = "the file ends inside slot " + std::to_string(slot) + " (at byte " +
             std::to_string(bytes.size()) + "): a table file holds 87 slot records";
      return false;
    }
    const char* p = bytes.data() + at;
    size_t n = DecodeFixed16(p + layout::kVoceNomeLength);
    if (left < layout::kVoceFixedSize + n) {
      *err = "the file ends inside slot " + std::to_string(slot) + " (at byte " +
             std::to_string(bytes.size()) + "; its record needs " +
             std::to_string(layout::kVoceFixedSize + n) + " bytes from byte " + std::to_string(at) +
             "): a table file holds 87 slot records";
      return false;
    }
    voce& v = (*voci)[static_cast<size_t>(slot)];
    v.tipo = DecodeFixed8(p + layout::kVoceTipo);
    v.inizio = DecodeSigned32(p + layout::kVoceInizio);
    v.fine = DecodeSigned32(p + layout::kVoceFine);
    v.posizione = DecodeSigned32(p + layout::kVocePosizione);
    v.marca = DecodeFixed8(p + layout::kVoceMarca);
    v.nome.assign(p + layout::kVoceNome, n);
    const char* tail = p + layout::kVoceNome + n;
    const char* valori = tail + layout::kVoceValore1;
    v.valore1 = DecodeSigned16(valori);
    v.valore2 = DecodeSigned16(valori + 2);
    v.valore3 = DecodeSigned16(valori + 4);
    v.valore4 = DecodeSigned16(valori + 6);
    v.valore5 = DecodeSigned16(valori + 8);
    const char* opzioni = tail + layout::kVoceOpzione1;
    v.opzione1 = DecodeFixed8(opzioni);
    v.opzione2 = DecodeFixed8(opzioni + 1);
    v.opzione3 = DecodeFixed8(opzioni + 2);
    v.opzione4 = DecodeFixed8(opzioni + 3);
    v.orario = DecodeSigned32(tail + layout::kVoceOrario);
    at += layout::kVoceFixedSize + n;
  }
  if (at != bytes.size()) {
    *err = "the 87 slot records end at byte " + std::to_string(at) + " but the file has " +
           Bytes(bytes.size());
    return false;
  }
  return true;
}

bool DecodeTracciato(std::string_view bytes, std::optional<GeometryTable>* tracciato,
                     std::string* err) {
  if (bytes.empty()) {
    *err = "the file is empty: a geometry file holds two coordinates for every metre";
    return false;
  }
  // First pass: check every tag and count the entries, so that the table can be
  // created at its final size.
  size_t entries = 0;
  for (size_t at = 0; at < bytes.size(); ++entries) {
    if (bytes.size() - at < layout::kTagSize) {
      *err = "the file (" + Bytes(bytes.size()) + ") ends inside the tag of entry " +
             std::to_string(entries) + ", at byte " + std::to_string(at);
      return false;
    }
    uint16_t tag = DecodeFixed16(bytes.data() + at);
    int size = ValueSize(tag);
    if (size < 0) {
      *err = "entry " + std::to_string(entries) + " (byte " + std::to_string(at) + ") has tag " +
             std::to_string(tag) + "; a geometry entry has tag 0, 2 or 5";
      return false;
    }
    at += layout::kTagSize;
    if (bytes.size() - at < static_cast<size_t>(size)) {
      *err = "the file (" + Bytes(bytes.size()) + ") ends inside the value of entry " +
             std::to_string(entries) + ", which takes bytes " + std::to_string(at) + " to " +
             std::to_string(at + static_cast<size_t>(size) - 1);
      return false;
    }
    at += static_cast<size_t>(size);
  }
  if (entries % 2 != 0) {
    *err = "its " + std::to_string(entries) +
           " entries cannot be two halves of equal length (one per coordinate)";
    return false;
  }
  size_t per_coordinata = entries / 2;
  if (per_coordinata - 1 > static_cast<size_t>(kMaxUltimoMetro)) {
    *err = "its " + std::to_string(entries) + " entries are " + std::to_string(per_coordinata) +
           " metres; the longest route has " + std::to_string(kMaxUltimoMetro + 1);
    return false;
  }
  tracciato->emplace(static_cast<int32_t>(per_coordinata - 1));
  GeometryTable& t = **tracciato;
  size_t at = 0;
  for (size_t i = 0; i < entries; ++i) {
    uint16_t tag = DecodeFixed16(bytes.data() + at);
    at += layout::kTagSize;
    int k = i < per_coordinata ? 0 : 1;
    int64_t x = static_cast<int64_t>(k == 0 ? i : i - per_coordinata);
    if (tag == layout::kTagIntero) {
      t.set_intero(x, k, DecodeSigned16(bytes.data() + at));
    } else if (tag == layout::kTagReale) {
      t.set_reale(x, k, DecodeDouble(bytes.data() + at));
    }
    at += static_cast<size_t>(ValueSize(tag));
  }
  return true;
}

}  // namespace percorso
