#include "lsp/server.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "io/disk.h"
#include "lsp/document.h"
#include "support/source_fixture.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using nlohmann::json;
using testing::LineFile;
using testing::TempDir;
using testing::TrainFile;

class LanguageServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Send("initialize", {{"processId", nullptr}, {"capabilities", json::object()}}, 1);
  }

  /// Sends a request (with `id`) or a notification; the messages it gives.
  std::vector<json> Send(const std::string& method, json params, std::optional<int> id = {}) {
    json m = {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
    if (id) m["id"] = *id;
    std::vector<json> out;
    for (const std::string& body : server_.Handle(m.dump())) out.push_back(json::parse(body));
    return out;
  }
  json Request(const std::string& method, json params) {
    std::vector<json> out = Send(method, std::move(params), ++next_id_);
    EXPECT_EQ(out.size(), 1u);
    return out.empty() ? json() : out[0];
  }

  std::string Uri(const std::string& name) { return UriFromPath(dir_.file(name)); }
  void Open(const std::string& name, const std::string& text) {
    Take(
        Send("textDocument/didOpen",
             {{"textDocument",
               {{"uri", Uri(name)}, {"languageId", "percorso"}, {"version", 1}, {"text", text}}}}));
  }
  void Change(const std::string& name, const std::string& text) {
    Take(Send("textDocument/didChange", {{"textDocument", {{"uri", Uri(name)}, {"version", 2}}},
                                         {"contentChanges", {{{"text", text}}}}}));
  }
  /// Keeps the diagnostics published, by URI.
  void Take(const std::vector<json>& messages) {
    for (const json& m : messages) {
      ASSERT_EQ(m["method"], "textDocument/publishDiagnostics");
      published_[m["params"]["uri"]] = m["params"]["diagnostics"];
    }
  }
  json At(const std::string& name, int line, int character) {
    return {{"textDocument", {{"uri", Uri(name)}}},
            {"position", {{"line", line}, {"character", character}}}};
  }

  TempDir dir_;
  RealDisk disk_;
  LanguageServer server_{disk_};
  std::map<std::string, json> published_;
  int next_id_ = 100;
};

// Two signals in one cell: the second is an error whose note points at the
// first, in the train file; the line file, only on disk, is compiled with it.
const std::string kConflict =
    TrainFile({"segnale, 4250" + testing::kSignal, "segnale, 4250" + testing::kSignal});
const std::string kClean = TrainFile({"segnale, 4250" + testing::kSignal});

TEST_F(LanguageServerTest, AnErrorOfATrainFileAndItsNoteArePublishedAndClearedByAFix) {
  testing::WriteBytes(dir_.file("L_linea.txt"), LineFile({}));
  Open("L_T-.txt", kConflict);
  ASSERT_TRUE(published_.count(Uri("L_T-.txt")));
  ASSERT_TRUE(published_.count(Uri("L_linea.txt")));
  const json& d = published_[Uri("L_T-.txt")];
  ASSERT_EQ(d.size(), 1u) << d.dump();
  EXPECT_EQ(d[0]["severity"], 1);
  EXPECT_EQ(d[0]["code"], "status-16");
  EXPECT_EQ(d[0]["range"]["start"]["line"], 2);
  // In the words of the compile's report.
  EXPECT_EQ(d[0]["message"].get<std::string>().rfind(
                "signal cell already taken [status 16, position ", 0),
            0u)
      << d[0]["message"];
  ASSERT_EQ(d[0]["relatedInformation"].size(), 1u);
  EXPECT_EQ(d[0]["relatedInformation"][0]["location"]["uri"], Uri("L_T-.txt"));
  EXPECT_EQ(d[0]["relatedInformation"][0]["location"]["range"]["start"]["line"], 1);

  // Go to the entry the note names.
  json def = Request("textDocument/definition", At("L_T-.txt", 2, 3));
  ASSERT_EQ(def["result"].size(), 1u);
  EXPECT_EQ(def["result"][0]["range"]["start"]["line"], 1);

  Change("L_T-.txt", kClean);
  EXPECT_EQ(published_[Uri("L_T-.txt")], json::array());
  EXPECT_EQ(dir_.List(), std::vector<std::string>{"L_linea.txt"});
}

TEST_F(LanguageServerTest, ALineFileIsCompiledWithEveryTrainBesideIt) {
  testing::WriteBytes(dir_.file("L_A-.txt"), kClean);
  testing::WriteBytes(dir_.file("L_B-.txt"), kConflict);
  Open("L_linea.txt", LineFile({}));
  EXPECT_EQ(published_[Uri("L_A-.txt")], json::array());
  EXPECT_EQ(published_[Uri("L_B-.txt")].size(), 1u);
  EXPECT_EQ(published_[Uri("L_linea.txt")], json::array());
}

TEST_F(LanguageServerTest, WarningsAreWarningsAndTheirQuickFixesMendThem) {
  testing::WriteBytes(dir_.file("L_T-.txt"), kClean);
  // A misspelt keyword, and no [fine] at the end.
  const std::string line =
      "[generale]\r\nlunghezza percorso, 97000\r\n[curve]\r\n"
      "pendenzza, 1000, 5\r\n";
  Open("L_linea.txt", line);
  const json& d = published_[Uri("L_linea.txt")];
  ASSERT_EQ(d.size(), 2u) << d.dump();
  for (const json& w : d) EXPECT_EQ(w["severity"], 2);
  json actions = Request(
      "textDocument/codeAction",
      {{"textDocument", {{"uri", Uri("L_linea.txt")}}},
       {"range",
        {{"start", {{"line", 0}, {"character", 0}}}, {"end", {{"line", 9}, {"character", 0}}}}},
       {"context", {{"diagnostics", d}}}})["result"];
  ASSERT_EQ(actions.size(), 2u) << actions.dump();
  std::map<std::string, json> ranges;
  for (const json& a : actions) {
    EXPECT_EQ(a["kind"], "quickfix");
    const json& edit = a["edit"]["changes"][Uri("L_linea.txt")][0];
    ranges[edit["newText"]] = edit["range"];
  }
  ASSERT_EQ(ranges.size(), 2u);
  // The keyword field is replaced; [fine] ends the last line, on a line of
  // its own.
  EXPECT_EQ(ranges["pendenza"], json::parse(R"({"start":{"line":3,"character":0},
                                               "end":{"line":3,"character":9}})"));
  EXPECT_EQ(ranges["\r\n[fine]"], json::parse(R"({"start":{"line":3,"character":18},
                                                 "end":{"line":3,"character":18}})"));
}

TEST_F(LanguageServerTest, HoverSignatureCompletionHintsAndSymbols) {
  testing::WriteBytes(dir_.file("L_linea.txt"), LineFile({}));
  Open("L_T-.txt", TrainFile({"[stazioni]", testing::Station(1000, 12, 500, "ALFA"), "[segnali]",
                              "segnale, 4250" + testing::kSignal}));
  // Lines: 0 [generale], 1 [stazioni], 2 stazione, 3 [segnali], 4 segnale.
  json hover = Request("textDocument/hover", At("L_T-.txt", 4, 2))["result"];
  std::string text = hover["contents"]["value"];
  EXPECT_NE(text.find("**segnale**"), std::string::npos) << text;
  EXPECT_NE(text.find("km 4.250, cell 86"), std::string::npos) << text;
  json field = Request("textDocument/hover", At("L_T-.txt", 4, 10))["result"];
  EXPECT_NE(field["contents"]["value"].get<std::string>().find("`posizione` (m)"),
            std::string::npos);

  json signature = Request("textDocument/signatureHelp", At("L_T-.txt", 4, 16))["result"];
  EXPECT_EQ(signature["activeParameter"], 1);
  EXPECT_EQ(signature["signatures"][0]["label"].get<std::string>().substr(0, 24),
            "segnale, posizione, sx, ");

  json hints =
      Request("textDocument/inlayHint", {{"textDocument", {{"uri", Uri("L_T-.txt")}}},
                                         {"range",
                                          {{"start", {{"line", 0}, {"character", 0}}},
                                           {"end", {{"line", 99}, {"character", 0}}}}}})["result"];
  ASSERT_EQ(hints.size(), 2u) << hints.dump();
  EXPECT_EQ(hints[0]["label"], "km 1.000 · cell 21");
  EXPECT_EQ(hints[1]["label"], "km 4.250 · cell 86");
  EXPECT_EQ(hints[1]["position"]["line"], 4);

  json symbols = Request("textDocument/documentSymbol",
                         {{"textDocument", {{"uri", Uri("L_T-.txt")}}}})["result"];
  ASSERT_GE(symbols.size(), 3u);
  EXPECT_EQ(symbols[1]["name"], "[stazioni]");
  EXPECT_EQ(symbols[1]["children"][0]["name"], "ALFA");

  json items = Request("textDocument/completion", At("L_T-.txt", 4, 0))["result"];
  std::vector<std::string> labels;
  for (const json& i : items) labels.push_back(i["label"]);
  EXPECT_NE(std::find(labels.begin(), labels.end(), "stazione"), labels.end());
  EXPECT_EQ(std::find(labels.begin(), labels.end(), "pendenza"), labels.end());
}

TEST_F(LanguageServerTest, TheLineHeaderCompletesOnlyHeaderKeywords) {
  Open("L_linea.txt", "[generale]\r\n\r\n[curve]\r\n\r\n[fine]\r\n");
  auto labels = [&](int line) {
    std::vector<std::string> out;
    const json items = Request("textDocument/completion", At("L_linea.txt", line, 0))["result"];
    for (const json& i : items) {
      if (i["kind"] == 14) out.push_back(i["label"]);
    }
    return out;
  };
  std::vector<std::string> header = labels(1), body = labels(3);
  EXPECT_EQ(header.front(), "lunghezza percorso");
  EXPECT_EQ(std::find(header.begin(), header.end(), "pendenza"), header.end());
  EXPECT_NE(std::find(body.begin(), body.end(), "pendenza"), body.end());
  EXPECT_EQ(std::find(body.begin(), body.end(), "lunghezza percorso"), body.end());
}

TEST_F(LanguageServerTest, TheViewCommandWritesThePageOnly) {
  testing::WriteBytes(dir_.file("L_linea.txt"), LineFile({}));
  Open("L_T-.txt", kClean);
  json r = Request("workspace/executeCommand",
                   {{"command", "percorso.view"}, {"arguments", {Uri("L_T-.txt")}}});
  ASSERT_TRUE(r.contains("result")) << r.dump();
  EXPECT_EQ(r["result"]["uri"], Uri("L_T.html"));
  EXPECT_EQ(dir_.List(), (std::vector<std::string>{"L_T.html", "L_linea.txt"}));
  EXPECT_NE(testing::ReadBytes(dir_.file("L_T.html")).find("<html"), std::string::npos);
}

TEST_F(LanguageServerTest, BadMessagesGetErrorsAndTheServerGoesOn) {
  struct Case {
    std::string body;
    int code;
  };
  const Case cases[] = {
      {"{", -32700},
      {"\xff\xfe binary", -32700},
      {"[1,2]", -32600},
      {R"({"jsonrpc":"2.0","id":{"a":1},"method":"shutdown"})", -32600},
      {R"({"jsonrpc":"2.0","id":7,"method":"no/such"})", -32601},
      {R"({"jsonrpc":"2.0","id":7,"method":"textDocument/hover","params":{"x":1}})", -32602},
      {R"({"jsonrpc":"2.0","id":7,"method":"textDocument/hover","params":
          {"textDocument":{"uri":"file:///nowhere/x.txt"},"position":{"line":"a"}}})",
       -32602},
      // Nested far too deep to be parsed by recursion: refused before.
      {std::string(100000, '['), -32700},
      {"{\"a\":" + std::string(100000, '[') + std::string(100000, ']') + "}", -32700},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    std::vector<std::string> out = server_.Handle(c.body);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(json::parse(out[0])["error"]["code"], c.code);
  }
  // Brackets inside strings are text, however many.
  const std::string brackets(5000, '[');
  std::vector<std::string> in_string = server_.Handle(
      R"({"jsonrpc":"2.0","id":8,"method":"no/such","params":{"x":")" + brackets + R"("}})");
  ASSERT_EQ(in_string.size(), 1u);
  EXPECT_EQ(json::parse(in_string[0])["error"]["code"], -32601);
  // Unknown notifications are passed over.
  EXPECT_TRUE(Send("no/such", json::object()).empty());
  EXPECT_TRUE(Send("textDocument/didOpen", {{"textDocument", 3}}).empty());
  EXPECT_EQ(Request("shutdown", nullptr)["result"], nullptr);
  EXPECT_EQ(Request("textDocument/hover", At("x", 0, 0))["error"]["code"], -32600);
  Send("exit", nullptr);
  EXPECT_TRUE(server_.exited());
  EXPECT_EQ(server_.exit_status(), 0);
}

TEST(LanguageServer, ServesFramedMessagesUntilExit) {
  RealDisk disk;
  auto framed = [](const std::string& body) { return Framed(body); };
  std::string input = framed(R"({"jsonrpc":"2.0","id":1,"method":"shutdown"})") +
                      framed(R"({"jsonrpc":"2.0","id":2,"method":"initialize","params":{}})") +
                      "Content-Length: 5000000000\r\n\r\n" + std::string(100, '\x01') + "";
  std::istringstream in(input);
  std::ostringstream out;
  // The too large message eats the rest of the input: the end without exit.
  EXPECT_EQ(ServeLanguageClient(in, out, disk), 1);
  EXPECT_NE(out.str().find(R"("code":-32002)"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find(R"("capabilities")"), std::string::npos);

  std::istringstream in2(framed(R"({"jsonrpc":"2.0","id":1,"method":"initialize"})") +
                         framed(R"({"jsonrpc":"2.0","id":2,"method":"shutdown"})") +
                         framed(R"({"jsonrpc":"2.0","method":"exit"})") + "trailing");
  std::ostringstream out2;
  EXPECT_EQ(ServeLanguageClient(in2, out2, disk), 0);
}

}  // namespace
}  // namespace percorso
