// A source file as the editor holds it, and the two ways of counting its
// places: the compiler's (1-based line, 1-based column of bytes it read) and
// the editor's (0-based line, 0-based UTF-16 units).
#ifndef PERCORSO_LSP_DOCUMENT_H_
#define PERCORSO_LSP_DOCUMENT_H_

#include <string>
#include <string_view>
#include <vector>

namespace percorso {

struct EditorPosition {
  int line = 0;       // 0-based
  int character = 0;  // 0-based, UTF-16 code units
  friend bool operator==(const EditorPosition&, const EditorPosition&) = default;
};

class Document {
 public:
  Document() = default;
  /// A text from the editor (UTF-8). The compiler reads it in the code page
  /// of the sources when every character has a place there, else as the
  /// UTF-8 bytes (which the compile then warns about).
  static Document FromEditor(std::string text);
  /// The bytes of a file on disk, which the compiler reads as they are.
  static Document FromDisk(std::string bytes);

  /// What the compiler reads.
  const std::string& bytes() const { return bytes_; }
  /// The text as the editor shows it (UTF-8).
  const std::string& text() const { return text_; }
  int line_count() const { return static_cast<int>(line_starts_.size()); }
  /// Line `line` (0-based) of `text()`, without its line end.
  std::string_view Line(int line) const;
  /// The editor's place of a compiler place; column 0 stands for the start.
  EditorPosition ToEditor(int line, int column) const;
  /// The compiler's column (1-based) of an editor place on its line.
  int ToColumn(EditorPosition p) const;
  /// The place just after the last character.
  EditorPosition End() const;
  /// The place at the end of line `line` (0-based), before its line end.
  EditorPosition EndOfLine(int line) const;
  /// "\r\n" when the text ends its lines so, else "\n".
  std::string_view LineEnd() const;

 private:
  void IndexLines();

  std::string text_;
  std::string bytes_;
  /// The compiler reads UTF-8 bytes: its columns count bytes of `text_`.
  bool columns_are_bytes_ = false;
  std::vector<size_t> line_starts_;
};

/// The local path of a "file:" URI (percent escapes decoded; "/C:/x" on
/// Windows as "C:/x"); empty for any other URI.
std::string PathFromUri(std::string_view uri);
/// The "file:" URI of an absolute path.
std::string UriFromPath(std::string_view path);

}  // namespace percorso

#endif  // PERCORSO_LSP_DOCUMENT_H_
