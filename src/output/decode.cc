#include "output/decode.h"

#include <cstdint>
#include <type_traits>

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {
namespace {

std::string Bytes(uint64_t n) {
  return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

/// Reads every field of `fields` at `at` into its member of `record`.
template <typename Fields, typename Record>
void DecodeFields(const Fields& fields, const char* at, Record& record) {
  layout::ForEachField(fields, record, [at](const layout::Field& f, auto& member) {
    member = DecodeNumber<std::remove_reference_t<decltype(member)>>(at + f.offset);
  });
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
    DecodeFields(layout::kCellFields, bytes.data() + i * layout::kCellRecordSize, (*celle)[i]);
  }
  return true;
}

bool DecodeVoci(std::string_view bytes, std::array<voce, kNumVoci>* voci, std::string* err) {
  size_t at = 0;
  for (int slot = 0; slot < kNumVoci; ++slot) {
    size_t left = bytes.size() - at;
    // The bytes up to the name's length.
    if (left < layout::kVoceNome) {
      *err = "the file ends inside slot " + std::to_string(slot) + " (at byte " +
             std::to_string(bytes.size()) + "): a table file holds 87 slot records";
      return false;
    }
    const char* p = bytes.data() + at;
    size_t n = DecodeNumber<uint16_t>(p + layout::kVoceNomeLength.offset);
    if (left < layout::VoceRecordSize(n)) {
      *err = "the file ends inside slot " + std::to_string(slot) + " (at byte " +
             std::to_string(bytes.size()) + "; its record needs " +
             std::to_string(layout::VoceRecordSize(n)) + " bytes from byte " + std::to_string(at) +
             "): a table file holds 87 slot records";
      return false;
    }
    voce& v = (*voci)[static_cast<size_t>(slot)];
    DecodeFields(layout::kVoceHead, p, v);
    v.nome.assign(p + layout::kVoceNome, n);
    DecodeFields(layout::kVoceTail, p + layout::kVoceNome + n, v);
    at += layout::VoceRecordSize(n);
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
    uint16_t code = DecodeNumber<uint16_t>(bytes.data() + at);
    std::optional<Tag> tag = layout::TagOfCode(code);
    if (!tag) {
      *err = "entry " + std::to_string(entries) + " (byte " + std::to_string(at) + ") has tag " +
             std::to_string(code) + "; a geometry entry has tag 0, 2 or 5";
      return false;
    }
    at += layout::kTagSize;
    size_t size = layout::ValueSize(*tag);
    if (bytes.size() - at < size) {
      *err = "the file (" + Bytes(bytes.size()) + ") ends inside the value of entry " +
             std::to_string(entries) + ", which takes bytes " + std::to_string(at) + " to " +
             std::to_string(at + size - 1);
      return false;
    }
    at += size;
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
    // Every tag is known: the first pass checked them.
    Tag tag = layout::TagOfCode(DecodeNumber<uint16_t>(bytes.data() + at)).value_or(Tag::kVuoto);
    at += layout::kTagSize;
    int k = i < per_coordinata ? 0 : 1;
    int64_t x = static_cast<int64_t>(k == 0 ? i : i - per_coordinata);
    if (tag == Tag::kIntero) {
      t.set_intero(x, k, DecodeNumber<int16_t>(bytes.data() + at));
    } else if (tag == Tag::kReale) {
      t.set_reale(x, k, DecodeDouble(bytes.data() + at));
    }
    at += layout::ValueSize(tag);
  }
  return true;
}

}  // namespace percorso
