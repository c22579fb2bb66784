#include "lsp/document.h"

#include <gtest/gtest.h>

#include <string>

namespace percorso {
namespace {

TEST(DocumentTest, PathsAndFileUris) {
  struct Case {
    std::string uri, path;
  };
  const Case cases[] = {
      {"file:///home/a/L_linea.txt", "/home/a/L_linea.txt"},
      {"file:///home/a%20b/Citt%C3%A0_linea.txt", "/home/a b/Città_linea.txt"},
      {"file:///c%3A/Scenari/L_linea.txt", "c:/Scenari/L_linea.txt"},
      {"file:///C:/Scenari/L_linea.txt", "C:/Scenari/L_linea.txt"},
      {"file://localhost/x.txt", "/x.txt"},
      {"file://server/share/x.txt", ""},
      {"untitled:Untitled-1", ""},
      {"file:///bad%zz%4", "/bad%zz%4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.uri);
    EXPECT_EQ(PathFromUri(c.uri), c.path);
  }
  for (const char* path :
       {"/home/a b/Città_linea.txt", "C:/Scenari/L_T-.txt", "/x/100%_linea.txt"}) {
    EXPECT_EQ(PathFromUri(UriFromPath(path)), path);
  }
}

TEST(DocumentTest, CompilerColumnsAreEditorCharacters) {
  // In the code page each character is one byte the compiler counts.
  Document d = Document::FromEditor("stazione, 0, CITTÀ, x\r\nb");
  EXPECT_EQ(d.bytes(), "stazione, 0, CITT\xc0, x\r\nb");
  EXPECT_EQ(d.ToEditor(1, 21), (EditorPosition{0, 20}));
  EXPECT_EQ(d.ToColumn({0, 20}), 21);
  EXPECT_EQ(d.Line(0), "stazione, 0, CITTÀ, x");
  EXPECT_EQ(d.EndOfLine(0), (EditorPosition{0, 21}));
  EXPECT_EQ(d.End(), (EditorPosition{1, 1}));
  EXPECT_EQ(d.LineEnd(), "\r\n");

  // Characters outside the code page: the compiler reads UTF-8 bytes, and a
  // column of bytes becomes UTF-16 units ("ł" two bytes and one unit, "😀"
  // four bytes and two units).
  Document u = Document::FromEditor("ł😀, 5\n");
  EXPECT_EQ(u.bytes(), "ł😀, 5\n");
  EXPECT_EQ(u.ToEditor(1, 8), (EditorPosition{0, 4}));
  EXPECT_EQ(u.ToColumn({0, 4}), 8);
  EXPECT_EQ(u.LineEnd(), "\n");
}

}  // namespace
}  // namespace percorso
