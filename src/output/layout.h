// The layouts of the three binary files, in one place. The writers and the
// dump reader both follow these tables; the files carry no header, count or
// checksum, so a reader derives counts from the file size.
//
// Cell file (line key + "_" + train key + ".dat"): one record per cell, cell 0
// first.
//   offset width member
//   0      1     tipo
//   1      2     dato1 (signed)
//   3      2     dato2 (signed)
//   5      2     dato3 (signed)
//   7      2     dato4 (signed)
//   9      1     tempo
//   10     1     avviso
//   11     1     montagna
//   12     1     velocita
//   13     1     pendenza
//   14     1     aderenza
//
// Table file (line key + "_" + train key + ".sim"): the 87 slots in index order,
// each 34 + n bytes, n the length of its name.
//   0      1     tipo
//   1      4     inizio (signed)
//   5      4     fine (signed)
//   9      4     posizione (signed)
//   13     1     marca
//   14     2     n, length of nome (unsigned)
//   16     n     nome, Windows-1252, no terminator
//   16+n   2     valore1 .. valore5 (signed), 2 bytes each
//   26+n   1     opzione1 .. opzione4, 1 byte each
//   30+n   4     orario (signed)
//
// Geometry file (line key + "_linea.dat"): every (x, 0) for x = 0 .. N, then
// every (x, 1), N the extended length. An entry is a 2-byte tag and its value:
// tag 0 nothing, tag 2 a signed 16-bit integer, tag 5 a double. Fully computed,
// the file is 20 * N - 36 bytes.
#ifndef PERCORSO_OUTPUT_LAYOUT_H_
#define PERCORSO_OUTPUT_LAYOUT_H_

#include <cstddef>
#include <cstdint>

namespace percorso::layout {

inline constexpr size_t kCellRecordSize = 15;

inline constexpr size_t kCellTipo = 0;
inline constexpr size_t kCellDato1 = 1;
inline constexpr size_t kCellDato2 = 3;
inline constexpr size_t kCellDato3 = 5;
inline constexpr size_t kCellDato4 = 7;
inline constexpr size_t kCellTempo = 9;
inline constexpr size_t kCellAvviso = 10;
inline constexpr size_t kCellMontagna = 11;
inline constexpr size_t kCellVelocita = 12;
inline constexpr size_t kCellPendenza = 13;
inline constexpr size_t kCellAderenza = 14;

/// Bytes of a slot record besides its name.
inline constexpr size_t kVoceFixedSize = 34;
inline constexpr size_t kVoceTipo = 0;
inline constexpr size_t kVoceInizio = 1;
inline constexpr size_t kVoceFine = 5;
inline constexpr size_t kVocePosizione = 9;
inline constexpr size_t kVoceMarca = 13;
inline constexpr size_t kVoceNomeLength = 14;
inline constexpr size_t kVoceNome = 16;
/// Offsets after the name are relative to its end (16 + n).
inline constexpr size_t kVoceValore1 = 0;
inline constexpr size_t kVoceOpzione1 = 10;
inline constexpr size_t kVoceOrario = 14;
inline constexpr size_t kVoceTailSize = 18;

inline constexpr uint16_t kTagVuoto = 0;
inline constexpr uint16_t kTagIntero = 2;
inline constexpr uint16_t kTagReale = 5;
inline constexpr size_t kTagSize = 2;

/// Size of a fully computed geometry file for an extended length of n metres.
inline constexpr uint64_t GeometryFileSize(uint64_t n) {
  return 20 * n - 36;
}

}  // namespace percorso::layout

#endif  // PERCORSO_OUTPUT_LAYOUT_H_
