#include "lsp/document.h"

#include <algorithm>
#include <optional>

#include "model/windows1252.h"

namespace percorso {
namespace {

/// UTF-16 units of the UTF-8 text `s` (a malformed byte counts as one).
int Utf16Units(std::string_view s) {
  int units = 0;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    units += n == 4 ? 2 : 1;
    i += std::min(n, s.size() - i);
  }
  return units;
}

/// Bytes of the UTF-8 text `s` that make its first `units` UTF-16 units.
size_t BytesOfUnits(std::string_view s, int units) {
  size_t i = 0;
  for (int done = 0; i < s.size() && done < units;) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    done += n == 4 ? 2 : 1;
    i += std::min(n, s.size() - i);
  }
  return i;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Document Document::FromEditor(std::string text) {
  Document d;
  std::optional<std::string> bytes = Windows1252FromUtf8(text);
  d.columns_are_bytes_ = !bytes.has_value();
  d.bytes_ = bytes ? std::move(*bytes) : text;
  d.text_ = std::move(text);
  d.IndexLines();
  return d;
}

Document Document::FromDisk(std::string bytes) {
  Document d;
  d.text_ = Utf8FromWindows1252(bytes);
  d.bytes_ = std::move(bytes);
  d.IndexLines();
  return d;
}

void Document::IndexLines() {
  line_starts_.assign(1, 0);
  for (size_t i = 0; i < text_.size(); ++i) {
    if (text_[i] == '\n') line_starts_.push_back(i + 1);
  }
}

std::string_view Document::Line(int line) const {
  if (line < 0 || line >= line_count()) return {};
  size_t start = line_starts_[static_cast<size_t>(line)];
  size_t end =
      line + 1 < line_count() ? line_starts_[static_cast<size_t>(line) + 1] - 1 : text_.size();
  std::string_view s(text_.data() + start, end - start);
  if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
  return s;
}

EditorPosition Document::ToEditor(int line, int column) const {
  EditorPosition p;
  p.line = std::max(line - 1, 0);
  if (column <= 1) return p;
  std::string_view text = Line(p.line);
  if (columns_are_bytes_) {
    p.character = Utf16Units(text.substr(0, std::min<size_t>(text.size(), column - 1)));
  } else {
    // One byte of the code page is one character of the editor.
    p.character = column - 1;
  }
  return p;
}

int Document::ToColumn(EditorPosition p) const {
  if (!columns_are_bytes_) return p.character + 1;
  return static_cast<int>(BytesOfUnits(Line(p.line), p.character)) + 1;
}

EditorPosition Document::End() const {
  int last = line_count() - 1;
  std::string_view rest = std::string_view(text_).substr(line_starts_.back());
  return {last, Utf16Units(rest)};
}

EditorPosition Document::EndOfLine(int line) const {
  return {line, Utf16Units(Line(line))};
}

std::string_view Document::LineEnd() const {
  return text_.find("\r\n") != std::string::npos ? "\r\n" : "\n";
}

std::string PathFromUri(std::string_view uri) {
  constexpr std::string_view kScheme = "file://";
  if (uri.substr(0, kScheme.size()) != kScheme) return "";
  uri.remove_prefix(kScheme.size());
  // An authority ("file://host/path") other than the local one is no path.
  size_t slash = uri.find('/');
  if (slash == std::string_view::npos) return "";
  std::string_view host = uri.substr(0, slash);
  if (!host.empty() && host != "localhost") return "";
  uri.remove_prefix(slash);
  std::string path;
  for (size_t i = 0; i < uri.size(); ++i) {
    if (uri[i] == '%' && i + 2 < uri.size() && HexValue(uri[i + 1]) >= 0 &&
        HexValue(uri[i + 2]) >= 0) {
      path.push_back(static_cast<char>(HexValue(uri[i + 1]) * 16 + HexValue(uri[i + 2])));
      i += 2;
    } else {
      path.push_back(uri[i]);
    }
  }
  // "/C:/dir" is the Windows path "C:/dir".
  if (path.size() >= 3 && path[0] == '/' && path[2] == ':' &&
      std::isalpha(static_cast<unsigned char>(path[1]))) {
    path.erase(0, 1);
  }
  return path;
}

std::string UriFromPath(std::string_view path) {
  std::string uri = "file://";
  if (path.size() >= 2 && path[1] == ':') uri += '/';
  constexpr char kHex[] = "0123456789ABCDEF";
  for (char ch : path) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (ch == '\\') {
      uri += '/';
    } else if (std::isalnum(c) || std::string_view("/-._~:").find(ch) != std::string_view::npos) {
      uri += ch;
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 15];
    }
  }
  return uri;
}

}  // namespace percorso
