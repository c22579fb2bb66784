#include "lsp/message_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace percorso {
namespace {

struct Got {
  ReadOutcome outcome;
  std::string body;
};

std::vector<Got> ReadAll(const std::string& input, uint64_t max_body = 100) {
  std::istringstream in(input);
  MessageReader reader(in, max_body);
  std::vector<Got> all;
  std::string body, error;
  for (int i = 0; i < 10; ++i) {
    ReadOutcome o = reader.Next(&body, &error);
    all.push_back({o, body});
    if (o == ReadOutcome::kEnd) break;
  }
  return all;
}

TEST(MessageReader, ReadsEachMessageAndStaysInStepAfterBadOnes) {
  const std::string good = "Content-Length: 2\r\n\r\n{}";
  struct Case {
    std::string input;
    std::vector<ReadOutcome> outcomes;
    std::string last_body;
  };
  const Case cases[] = {
      {good + good, {ReadOutcome::kMessage, ReadOutcome::kMessage, ReadOutcome::kEnd}, ""},
      // Other headers, any case of the name, bare line feeds.
      {"content-length:3\nContent-Type: x\n\n[1]", {ReadOutcome::kMessage, ReadOutcome::kEnd}, ""},
      {"Content-Type: x\r\n\r\n" + good,
       {ReadOutcome::kBadHeader, ReadOutcome::kMessage, ReadOutcome::kEnd},
       ""},
      {"Content-Length: 2x\r\n\r\n" + good,
       {ReadOutcome::kBadHeader, ReadOutcome::kMessage, ReadOutcome::kEnd},
       ""},
      {"Content-Length: 99999999999999999999999\r\n\r\n" + good,
       {ReadOutcome::kBadHeader, ReadOutcome::kMessage, ReadOutcome::kEnd},
       ""},
      // A body over the limit is read past, whole.
      {"Content-Length: 150\r\n\r\n" + std::string(150, 'x') + good,
       {ReadOutcome::kTooLarge, ReadOutcome::kMessage, ReadOutcome::kEnd},
       ""},
      // The input ends inside a body.
      {"Content-Length: 10\r\n\r\n{}", {ReadOutcome::kEnd}, ""},
      {"", {ReadOutcome::kEnd}, ""},
      // Binary bytes where a header should be: one bad header, then the end.
      {std::string("\x00\xff\x01\x80\r\n\r\n", 8),
       {ReadOutcome::kBadHeader, ReadOutcome::kEnd},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 40));
    std::vector<Got> got = ReadAll(c.input);
    std::vector<ReadOutcome> outcomes;
    for (const Got& g : got) outcomes.push_back(g.outcome);
    EXPECT_EQ(outcomes, c.outcomes);
  }
}

TEST(MessageReader, GivesTheBodyByteForByte) {
  const std::string body("{\"a\":\"\r\n\x00\xe9\"}", 13);
  std::vector<Got> got = ReadAll("Content-Length: 13\r\n\r\n" + body);
  ASSERT_EQ(got[0].outcome, ReadOutcome::kMessage);
  EXPECT_EQ(got[0].body, body);
}

TEST(MessageReader, AHeaderOfEndlessLinesIsRefused) {
  std::string input;
  for (int i = 0; i < 100; ++i) input += "X-Filler: 1\r\n";
  input += "\r\n";
  EXPECT_EQ(ReadAll(input)[0].outcome, ReadOutcome::kBadHeader);
}

}  // namespace
}  // namespace percorso
