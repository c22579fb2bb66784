// The layouts of the three binary files, in one place: a table of fields per
// record (name, offset, width) and the member of the model that each field
// holds, whose type says whether the field is signed. The encoders, the decoders and every listing
// of the members follow these tables. The files carry no header, count or checksum, so a reader
// derives counts from the file size. Numbers are little-endian and members follow each other with
// no gaps.
//
// Cell file (line key + "_" + train key + ".dat"): one 15-byte record per cell,
// cell 0 first (kCellFields).
//
// Table file (line key + "_" + train key + ".sim"): the 87 slots in index order,
// each 34 + n bytes, n the length of its name: the fields of kVoceHead, the
// length n (2 bytes, unsigned), the n bytes of the name (Windows-1252, no
// terminator), then the fields of kVoceTail, whose offsets count from the end of
// the name.
//
// Geometry file (line key + "_linea.dat"): every (x, 0) for x = 0 .. N, then
// every (x, 1), N the extended length. An entry is a 2-byte tag and its value:
// tag 0 (Tag::kVuoto) nothing, tag 2 (Tag::kIntero) a signed 16-bit integer,
// tag 5 (Tag::kReale) a double.
#ifndef PERCORSO_OUTPUT_LAYOUT_H_
#define PERCORSO_OUTPUT_LAYOUT_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "model/model.h"
#include "model/tracciato.h"

namespace percorso::layout {

/// One field of a record: its name (the model member's), where it starts and
/// how many bytes it takes.
struct Field {
  std::string_view name;
  size_t offset;
  size_t width;
};

/// A field and the member of the model struct `Record` that it holds.
template <typename Record, typename T>
struct Member {
  using Type = T;
  Field field;
  T Record::*member;
};

/// Calls `f(field, value)` for every field of `fields` in file order, `value`
/// being the member of `record` that the field holds (a reference, writable
/// when `record` is).
template <typename Fields, typename Record, typename F>
constexpr void ForEachField(const Fields& fields, Record& record, F&& f) {
  std::apply([&](const auto&... m) { (f(m.field, record.*(m.member)), ...); }, fields);
}

/// True when the fields lie one after the other from `begin` to `end` and each
/// is as wide as its member.
template <typename Fields>
constexpr bool Contiguous(const Fields& fields, size_t begin, size_t end) {
  size_t at = begin;
  bool ok = true;
  std::apply(
      [&](const auto&... m) {
        ((ok = ok && m.field.offset == at &&
               m.field.width == sizeof(typename std::remove_cvref_t<decltype(m)>::Type),
          at += m.field.width),
         ...);
      },
      fields);
  return ok && at == end;
}

// ---- Cell file.

inline constexpr size_t kCellRecordSize = 15;

inline constexpr std::tuple kCellFields{
    Member<cella, uint8_t>{{"tipo", 0, 1}, &cella::tipo},
    Member<cella, int16_t>{{"dato1", 1, 2}, &cella::dato1},
    Member<cella, int16_t>{{"dato2", 3, 2}, &cella::dato2},
    Member<cella, int16_t>{{"dato3", 5, 2}, &cella::dato3},
    Member<cella, int16_t>{{"dato4", 7, 2}, &cella::dato4},
    Member<cella, uint8_t>{{"tempo", 9, 1}, &cella::tempo},
    Member<cella, uint8_t>{{"avviso", 10, 1}, &cella::avviso},
    Member<cella, uint8_t>{{"montagna", 11, 1}, &cella::montagna},
    Member<cella, uint8_t>{{"velocita", 12, 1}, &cella::velocita},
    Member<cella, uint8_t>{{"pendenza", 13, 1}, &cella::pendenza},
    Member<cella, uint8_t>{{"aderenza", 14, 1}, &cella::aderenza},
};
static_assert(Contiguous(kCellFields, 0, kCellRecordSize));

// ---- Table file.

/// The fields before the name.
inline constexpr std::tuple kVoceHead{
    Member<voce, uint8_t>{{"tipo", 0, 1}, &voce::tipo},
    Member<voce, int32_t>{{"inizio", 1, 4}, &voce::inizio},
    Member<voce, int32_t>{{"fine", 5, 4}, &voce::fine},
    Member<voce, int32_t>{{"posizione", 9, 4}, &voce::posizione},
    Member<voce, uint8_t>{{"marca", 13, 1}, &voce::marca},
};
/// The length of the name in bytes, and where the name's bytes start.
inline constexpr Field kVoceNomeLength{"n", 14, 2};
inline constexpr size_t kVoceNome = 16;
/// The fields after the name, offsets counted from its end (16 + n).
inline constexpr std::tuple kVoceTail{
    Member<voce, int16_t>{{"valore1", 0, 2}, &voce::valore1},
    Member<voce, int16_t>{{"valore2", 2, 2}, &voce::valore2},
    Member<voce, int16_t>{{"valore3", 4, 2}, &voce::valore3},
    Member<voce, int16_t>{{"valore4", 6, 2}, &voce::valore4},
    Member<voce, int16_t>{{"valore5", 8, 2}, &voce::valore5},
    Member<voce, uint8_t>{{"opzione1", 10, 1}, &voce::opzione1},
    Member<voce, uint8_t>{{"opzione2", 11, 1}, &voce::opzione2},
    Member<voce, uint8_t>{{"opzione3", 12, 1}, &voce::opzione3},
    Member<voce, uint8_t>{{"opzione4", 13, 1}, &voce::opzione4},
    Member<voce, int32_t>{{"orario", 14, 4}, &voce::orario},
};
inline constexpr size_t kVoceTailSize = 18;
/// Bytes of a slot record besides its name.
inline constexpr size_t kVoceFixedSize = kVoceNome + kVoceTailSize;
static_assert(Contiguous(kVoceHead, 0, kVoceNomeLength.offset));
static_assert(kVoceNomeLength.offset + kVoceNomeLength.width == kVoceNome);
static_assert(Contiguous(kVoceTail, 0, kVoceTailSize));
// The longest name that the model holds fits the length field.
static_assert(kMaxNomeLength < (size_t{1} << (8 * kVoceNomeLength.width)));

/// Bytes of the record of a slot whose name is `n` bytes long.
inline constexpr size_t VoceRecordSize(size_t n) {
  return kVoceFixedSize + n;
}

// ---- Geometry file.

inline constexpr size_t kTagSize = 2;

/// The tag as it is written.
inline constexpr uint16_t TagCode(Tag tag) {
  return static_cast<uint16_t>(tag);
}

/// The tag that a code stands for; none for a code that no entry has.
inline constexpr std::optional<Tag> TagOfCode(uint16_t code) {
  for (Tag tag : {Tag::kVuoto, Tag::kIntero, Tag::kReale}) {
    if (TagCode(tag) == code) return tag;
  }
  return std::nullopt;
}

/// Bytes of the value that follows a tag.
inline constexpr size_t ValueSize(Tag tag) {
  switch (tag) {
    case Tag::kVuoto:
      return 0;
    case Tag::kIntero:
      return sizeof(int16_t);
    case Tag::kReale:
      return sizeof(double);
  }
  return 0;
}

/// Bytes of a whole entry: the tag and its value.
inline constexpr size_t EntrySize(Tag tag) {
  return kTagSize + ValueSize(tag);
}

/// Size of a fully computed geometry file for an extended length of n metres
/// (n at least 3): per coordinate, 2 integers (metres 0 and 1), n - 3 doubles
/// (metres 2 .. n - 2) and 2 empty entries (metres n - 1 and n).
inline constexpr uint64_t GeometryFileSize(uint64_t n) {
  return 2 * (2 * EntrySize(Tag::kIntero) + (n - 3) * EntrySize(Tag::kReale) +
              2 * EntrySize(Tag::kVuoto));
}

}  // namespace percorso::layout

#endif  // PERCORSO_OUTPUT_LAYOUT_H_
