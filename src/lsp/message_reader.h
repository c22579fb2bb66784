// Reading the messages of a language client: each is a header of
// "Name: value" lines ended by an empty line, then a body of exactly
// Content-Length bytes. Whatever arrives, the reader returns; a broken header
// or a body over the limit is reported and the stream stays in step.
#ifndef PERCORSO_LSP_MESSAGE_READER_H_
#define PERCORSO_LSP_MESSAGE_READER_H_

#include <cstdint>
#include <istream>
#include <string>

namespace percorso {

enum class ReadOutcome {
  kMessage,    // a body in `*body`
  kEnd,        // the input ended (possibly inside a message)
  kBadHeader,  // a header without a usable Content-Length; skipped
  kTooLarge,   // a body over the limit; its bytes were read and dropped
};

class MessageReader {
 public:
  /// Reads from `in`, which should be in binary mode. A body longer than
  /// `max_body` bytes is dropped.
  MessageReader(std::istream& in, uint64_t max_body) : in_(in), max_body_(max_body) {}

  /// The next message. `*error` says what was wrong for kBadHeader and
  /// kTooLarge.
  ReadOutcome Next(std::string* body, std::string* error);

 private:
  /// One header line without its line end; false at the end of the input.
  /// A line longer than the limit is cut (and read to its end).
  bool ReadHeaderLine(std::string* line);

  std::istream& in_;
  uint64_t max_body_;
};

}  // namespace percorso

#endif  // PERCORSO_LSP_MESSAGE_READER_H_
