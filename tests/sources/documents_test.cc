// The three crew documents: line counts, widths, blanks and bytes that the
// simulator shows to the crew as they are.
#include "sources/documents.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace percorso {
namespace {

using Lines = std::span<const std::string_view>;

void ExpectWidth(Lines lines, size_t first, size_t last, size_t width) {
  for (size_t i = first; i <= last; ++i) {
    SCOPED_TRACE("line " + std::to_string(i) + ": '" + std::string(lines[i]) + "'");
    EXPECT_EQ(lines[i].size(), width);
  }
}

TEST(DocumentsTest, TrainCardLayout) {
  Lines s = SchedaTrenoLines();
  ASSERT_EQ(s.size(), 53u);
  for (size_t i : {0, 1, 11}) EXPECT_EQ(s[i], "") << i;
  EXPECT_EQ(s[12].size(), 82u);
  ExpectWidth(s, 13, 52, 83);
  EXPECT_EQ(s[8], " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ");
  EXPECT_TRUE(s[8].ends_with(" |       "));
  EXPECT_EQ(s[4],
            " |   TRENO n. 2731   |                   da: Pianura S.m.n.        |    V 160 B   |");
  EXPECT_EQ(s[13],
            " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |");
  EXPECT_EQ(s[16],
            " |  30 |  30 |    0     |  30 |PIANURA S.M.N.              |            6.08|     |");
  EXPECT_EQ(s[30],
            " |     |     |   36.800 |     |VERNIO-MONTEPIANO-CANTAGALLO|       6.38     |     |");
  EXPECT_EQ(s[51],
            " |     |     |   96.600 |     |CRINALE C.LE                |7.20            |     |");
  EXPECT_EQ(s[15], s[52]);
}

TEST(DocumentsTest, SlowdownOrderLayout) {
  Lines r = RallentamentiLines();
  ASSERT_EQ(r.size(), 46u);
  for (size_t i : {0, 5, 39}) EXPECT_EQ(r[i], "") << i;
  EXPECT_EQ(r[3].size(), 81u);
  EXPECT_EQ(r[7].size(), 81u);
  ExpectWidth(r, 8, 38, 82);
  EXPECT_EQ(r[1], "                               Modulo M. 3");
  EXPECT_EQ(r[6],
            "  Si ordina al macchinista del treno 2731 di effettura i seguenti rallentamenti");
  EXPECT_EQ(r[12],
            " | 1 | PRATO      -      VAIANO   |   23.000   |    40    |    950  |            |");
  EXPECT_EQ(r[13],
            " | 2 | GRIZZANA   -  MONZUNO-VADO |   69.000   |    60    |    500  |            |");
  for (size_t i = 14; i <= 37; ++i) {
    EXPECT_EQ(r[i],
              " |   |                            |            |          |         |            |")
        << i;
  }
  EXPECT_EQ(r[11], r[38]);
  // The legend lists D before C.
  EXPECT_EQ(r[43], " D - Rallentamneto N. ... e N. ...  sono contigui");
  EXPECT_EQ(r[44], " C - Da rispettare dalle ore ....  alle ore ..... di tutti");
  EXPECT_EQ(r[45], "     i giorni esclusi i seguenti:.........");
}

TEST(DocumentsTest, NotesLayout) {
  Lines n = NoteLines();
  ASSERT_EQ(n.size(), 9u);
  EXPECT_FALSE(n[0].empty());
  EXPECT_FALSE(n[1].empty());
  EXPECT_EQ(n[2], "");
  EXPECT_EQ(n[4], " ");
  EXPECT_EQ(n[6], "   ");
  EXPECT_EQ(n[7], "");
  EXPECT_EQ(n[8], " Buon Viaggio.");
  EXPECT_EQ(n[5], std::string_view(" Massa totale di ben 830 ton., per\xF2"
                                   " agevolate da una perfetta aderenza."));
  EXPECT_EQ(n[5].size(), 71u);
  EXPECT_EQ(n[3],
            " Treno espresso impostato con rango B, affidato ad una 444 R, per mancanza di 656 "
            "all' OML di Pianura.");
}

TEST(DocumentsTest, OnlyTheNotesLeaveAscii) {
  for (Lines doc : {SchedaTrenoLines(), RallentamentiLines(), NoteLines()}) {
    for (std::string_view line : doc) {
      for (char c : line) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b == 0xF2) continue;
        EXPECT_TRUE(b >= 0x20 && b < 0x7f) << "'" << line << "'";
      }
    }
  }
}

}  // namespace
}  // namespace percorso
