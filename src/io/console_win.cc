#include <windows.h>
// After windows.h, which it needs.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <streambuf>
#include <string_view>

#include "io/console.h"
#include "io/windows_api.h"

namespace percorso {
namespace {

/// How many bytes at the start of `text` end with a whole UTF-8 character:
/// a character cut by the end of a buffer waits for its other bytes.
size_t WholeCharacters(std::string_view text) {
  size_t end = text.size();
  // A character has at most 4 bytes: look back at most 3 for its first byte.
  for (size_t back = 1; back <= 3 && back <= end; ++back) {
    unsigned char c = static_cast<unsigned char>(text[end - back]);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte
    size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    return length > back ? end - back : end;
  }
  return end;
}

/// A stream buffer that writes UTF-8 text to a console as UTF-16.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {
    setp(buffer_, buffer_ + sizeof buffer_);
  }
  ~ConsoleBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    if (!Flush()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return Flush() ? 0 : -1; }

 private:
  bool Flush() {
    std::string_view pending(pbase(), static_cast<size_t>(pptr() - pbase()));
    size_t whole = WholeCharacters(pending);
    std::wstring wide = WideFromUtf8(pending.substr(0, whole));
    bool ok = true;
    for (size_t done = 0; ok && done < wide.size();) {
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(wide.size() - done, 8192));
      DWORD written = 0;
      ok = WriteConsoleW(console_, wide.data() + done, chunk, &written, nullptr) && written > 0;
      done += written;
    }
    // The start of a cut character stays for the next write.
    std::string_view rest = pending.substr(whole);
    std::copy(rest.begin(), rest.end(), buffer_);
    setp(buffer_, buffer_ + sizeof buffer_);
    pbump(static_cast<int>(rest.size()));
    return ok;
  }

  HANDLE console_;
  char buffer_[4096];
};

/// The console behind a standard handle, or nothing when the handle goes to a
/// file or a pipe.
HANDLE ConsoleOf(DWORD std_handle) {
  HANDLE h = GetStdHandle(std_handle);
  DWORD mode = 0;
  if (h == nullptr || h == INVALID_HANDLE_VALUE || !GetConsoleMode(h, &mode)) return nullptr;
  return h;
}

}  // namespace

struct ConsoleStreams::Owned {
  std::unique_ptr<ConsoleBuffer> out_buffer, err_buffer;
  std::unique_ptr<std::ostream> out, err;
};

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) {
    if (argc < 1) return {};
    return std::vector<std::string>(argv + 1, argv + argc);
  }
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return args;
}

ConsoleStreams::ConsoleStreams()
    : owned_(std::make_unique<Owned>()), out_(&std::cout), err_(&std::cerr) {
  if (HANDLE console = ConsoleOf(STD_OUTPUT_HANDLE)) {
    owned_->out_buffer = std::make_unique<ConsoleBuffer>(console);
    owned_->out = std::make_unique<std::ostream>(owned_->out_buffer.get());
    out_ = owned_->out.get();
  }
  if (HANDLE console = ConsoleOf(STD_ERROR_HANDLE)) {
    owned_->err_buffer = std::make_unique<ConsoleBuffer>(console);
    owned_->err = std::make_unique<std::ostream>(owned_->err_buffer.get());
    // As std::cerr: every message appears at once.
    owned_->err->setf(std::ios::unitbuf);
    err_ = owned_->err.get();
  }
}

std::istream& ConsoleStreams::in() {
  // Bytes as they are: a CR LF stays two bytes, a 0x1A is no end of file.
  _setmode(_fileno(stdin), _O_BINARY);
  return std::cin;
}

void UseBinaryStandardOutput() {
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
}

ConsoleStreams::~ConsoleStreams() {
  out_->flush();
  err_->flush();
}

}  // namespace percorso
