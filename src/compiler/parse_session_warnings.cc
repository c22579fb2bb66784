// The warnings of a parse: what an author wrote that the grammar reads in
// another way than it looks. None of them changes what is compiled.
#include <optional>
#include <string>
#include <string_view>

#include "compiler/keywords.h"
#include "compiler/near_misses.h"
#include "compiler/parse_session.h"
#include "model/grammar.h"
#include "model/windows1252.h"

namespace percorso {
namespace {

// The value a member of `bits` low bits keeps: 8 unsigned, 16 signed.
int64_t Stored(int64_t value, int bits) {
  if (bits == 8) return static_cast<uint8_t>(value & 0xFF);
  return static_cast<int16_t>(static_cast<uint16_t>(value & 0xFFFF));
}

// The length in bytes of line `line` (from 1) of `t`, without its line end.
int LineLength(std::string_view t, int line) {
  size_t start = 0;
  for (int n = 1; n < line; ++n) {
    const size_t end = t.find_first_of("\r\n", start);
    if (end == std::string_view::npos) return 0;
    start = end + LineEndAt(t, end);
  }
  const size_t end = t.find_first_of("\r\n", start);
  return static_cast<int>((end == std::string_view::npos ? t.size() : end) - start);
}

}  // namespace

Encoding ParseSession::CheckEncoding() {
  const bool line_file = current() == Source::kLinea;
  const char* kind = line_file ? "line" : "train";
  if (file_.contents().empty()) {
    Warn(WarningId::kEmptyFile, FilePlace(current()),
         std::string("the ") + kind + " description file is empty");
    return Encoding{};
  }
  Encoding e = DetectEncoding(file_.contents());
  if (e.kind == Encoding::kUtf16) {
    std::string text = "the file is " + e.detail +
                       ": percorso reads Windows-1252 text, one byte a character, and finds "
                       "nothing it knows in it; save the file as Windows-1252 (ANSI)";
    if (recovering()) {
      Diagnostic d;
      d.where = FilePlace(current());
      d.text = std::move(text);
      policy_.Record(std::move(d));
    } else {
      Warn(WarningId::kEncoding, FilePlace(current()), std::move(text));
    }
    return e;
  }
  if (e.bom) {
    Warn(WarningId::kUtf8Bom, Here(1, 1),
         "the file starts with a UTF-8 byte-order mark (BOM); it is read as Windows-1252, as "
         "the three characters '\xC3\xAF\xC2\xBB\xC2\xBF' before the first field: save the "
         "file as Windows-1252 (ANSI), or as \"UTF-8\" rather than \"UTF-8 with BOM\" when "
         "it holds only ASCII, to leave the mark out",
         {}, {Fix{Here(1, 1, 3), "", "Remove the byte-order mark"}});
  }
  if (e.kind == Encoding::kUtf8) {
    Warn(WarningId::kEncoding, Here(e.line, e.column),
         "'" + e.detail + "' is written in UTF-8, but the file is read as Windows-1252, where " +
             "its bytes are the characters '" + Utf8FromWindows1252(e.detail) +
             "': so it will show; save the file as Windows-1252 (ANSI) to keep '" + e.detail + "'");
  }
  return e;
}

void ParseSession::CheckEnding(const Encoding& e) {
  if (file_.contents().empty() || e.kind == Encoding::kUtf16) return;
  const std::string_view t = file_.contents();
  if (HasFineLine(t)) return;
  const int last_text_line = LastTextLine(t);
  if (last_text_line == 0) return;
  // The fix ends the last line that holds text with a line end (of the
  // file's own kind) and "[fine]".
  const int length = LineLength(t, last_text_line);
  Warn(WarningId::kMissingFine, Here(last_text_line, 1),
       "file ends without [fine]: was it cut short?",
       {Note{{},
             "the files end with a line '[fine]': the last field of a file is never read as a "
             "keyword, and a file without it has often lost its end"}},
       {Fix{Here(last_text_line, length + 1, length),
            std::string(t.find("\r\n") != std::string_view::npos ? "\r\n" : "\n") + "[fine]",
            "Add [fine] at the end of the file"}});
}

void ParseSession::WarnQuotedSpans() {
  const FieldReader* r = file_.open_reader();
  if (r == nullptr) return;
  for (const FieldReader::QuotedSpan& q : r->quoted_spans()) {
    const int lines = q.last_line - q.line + 1;
    if (q.close_line > 0) {
      Warn(WarningId::kQuoteAcrossLines, Here(q.line, q.column),
           "a quoted text runs across " + std::to_string(lines) +
               " lines, from this quote to "
               "line " +
               std::to_string(q.close_line) +
               ": it is one field, commas and line ends included, and no entry on those lines "
               "is read",
           {Note{Here(q.close_line, q.close_column), "the quote that closes it"}});
    } else {
      Warn(WarningId::kUnclosedQuote, Here(q.line, q.column),
           "this quote is never closed: the quoted text runs to the end of the file, over " +
               std::to_string(lines) + " lines, and no entry after it is read",
           {Note{Here(q.last_line, 1), "the file ends here, inside the quoted text"}});
    }
  }
}

void ParseSession::CheckOrder(ListOrder& order, int32_t posizione, std::string_view what) {
  if (order.any && posizione < order.posizione) {
    Warn(WarningId::kUnsortedPositions, KeywordPlace(),
         std::string(what) + " at " + std::to_string(posizione) + " m comes after one at " +
             std::to_string(order.posizione) + " m: the " + std::string(what) +
             " profile is filled in the order of the file, so this value holds only from about " +
             std::to_string(static_cast<int64_t>(order.posizione) + kCellMetres) +
             " m on; write the entries in order of position",
         {Note{order.where, "the entry at " + std::to_string(order.posizione) + " m"}});
  }
  order.any = true;
  order.posizione = posizione;
  order.where = KeywordPlace();
}

namespace {

// The metres of a kilometric position written "KM+MMM" (18+510), or nothing.
std::optional<int64_t> KilometreAndMetres(std::string_view text) {
  const size_t plus = text.find('+');
  if (plus == 0 || plus == std::string_view::npos || text.size() - plus - 1 != 3) return {};
  int64_t km = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (i == plus) continue;
    if (text[i] < '0' || text[i] > '9') return {};
  }
  for (size_t i = 0; i < plus && km <= 1000000; ++i) km = km * 10 + (text[i] - '0');
  if (km > 1000000) return {};
  return km * 1000 + std::stoi(std::string(text.substr(plus + 1)));
}

}  // namespace

void ParseSession::CheckNumberText(bool read_ok) {
  if (!read_ok) return;
  const FieldReader& r = file_.reader();
  places_.FieldRead(r.line(), r.column(), r.end_column(), r.field_begin(), r.field_end());
  // A value taken from a later line is reported once, as a record that ran
  // on; an empty field, and "AC" of a cut-off point, read 0 by design.
  if (r.line() != places_.keyword_line()) return;
  const std::string& text = r.numeric_text();
  const int64_t value = r.numeric_value();
  const NumberForm form = r.numeric_form();
  if (form == NumberForm::kWhole || text.empty()) return;
  if (Matches(KeywordId::kAbbattimento, places_.keyword()) && places_.values_read() == 2) return;
  if (WarnLookAlike(text)) return;
  std::string how = form == NumberForm::kDecimal
                        ? "it is read as " + std::to_string(value) +
                              " (rounded to the nearest whole number, halves to even)"
                        : "it is not a number and is read as 0";
  if (std::optional<int64_t> metres = KilometreAndMetres(text)) {
    Warn(WarningId::kNumberText, ReaderPlace(),
         Quoted(text) + " is not a whole number: " + how + "; did you mean " +
             std::to_string(*metres) + " m? positions are written in metres",
         {},
         {Fix{ReaderPlace(), std::to_string(*metres),
              "Write the position in metres, " + std::to_string(*metres)}});
    return;
  }
  Warn(WarningId::kNumberText, ReaderPlace(),
       Quoted(text) + " is not a whole number: " + how + "; write the value in digits");
}

namespace {

// A character that looks like a blank or a quote mark, or shows as nothing:
// its bytes and what it is.
struct LookAlike {
  std::string_view bytes;
  std::string_view what;
};

constexpr LookAlike kLookAlikes[] = {
    {"\xC2\xA0", "a no-break space written in UTF-8 (bytes C2 A0)"},
    {"\xE2\x80\x8B", "a zero-width space written in UTF-8 (bytes E2 80 8B)"},
    {"\xEF\xBB\xBF", "a byte-order mark inside the text (bytes EF BB BF)"},
    {"\xE2\x80\x9C", "a curly opening quote written in UTF-8 (bytes E2 80 9C)"},
    {"\xE2\x80\x9D", "a curly closing quote written in UTF-8 (bytes E2 80 9D)"},
    {"\xA0", "a no-break space (byte A0)"},
    {"\xAD", "a soft hyphen (byte AD)"},
    {"\x93", "a curly opening quote (byte 93)"},
    {"\x94", "a curly closing quote (byte 94)"},
    {"\x91", "a curly single quote (byte 91)"},
    {"\x92", "a curly apostrophe (byte 92)"},
};

}  // namespace

bool ParseSession::WarnLookAlike(const std::string& text) {
  // The text without the look-alikes, and the first of them.
  std::string rest;
  std::string_view first;
  for (size_t i = 0; i < text.size();) {
    bool found = false;
    for (const LookAlike& l : kLookAlikes) {
      if (std::string_view(text).substr(i).starts_with(l.bytes)) {
        if (first.empty()) first = l.what;
        i += l.bytes.size();
        found = true;
        break;
      }
    }
    if (!found) rest += text[i++];
  }
  int64_t value = 0;
  NumberForm form = NumberForm::kNotANumber;
  if (first.empty() || !NumericValue(rest, &value, &form) || form != NumberForm::kWhole) {
    return false;
  }
  Warn(WarningId::kLookAlike, ReaderPlace(),
       Quoted(text) + " holds " + std::string(first) +
           ", which is no blank nor digit: the field is not a number and is read as 0; write " +
           rest,
       {}, {Fix{ReaderPlace(), rest, "Write " + rest}});
  return true;
}

void ParseSession::CheckPastRoute(int32_t posizione, int field) {
  // A value taken from a later line is reported once, as a record that ran
  // on.
  if (!route_ || posizione <= route_length_ || !places_.OnKeywordLine(field)) return;
  // One warning a file: a short route puts every later entry past its end.
  const bool line_file = current() == Source::kLinea;
  bool& warned = line_file ? past_route_warned_linea_ : past_route_warned_treno_;
  if (warned) return;
  warned = true;
  Warn(WarningId::kPastRouteEnd, FieldPlace(field),
       "position " + std::to_string(posizione) + " m lies past the end of the route, at " +
           std::to_string(route_length_) +
           " m; it is compiled, in the cells beyond the route (later positions past the end of "
           "this file are not warned about)",
       {Note{route_->where, "the route length is set here" + KilometreHint(posizione)}},
       KilometreFix(posizione));
}

void ParseSession::CheckFits(int64_t value, int bits, std::string_view member, int field) {
  const int64_t stored = Stored(value, bits);
  if (stored == value || !places_.OnKeywordLine(field)) return;
  Warn(WarningId::kValueWidth, FieldPlace(field),
       std::to_string(value) + " does not fit the cell's " + std::to_string(bits) + "-bit `" +
           std::string(member) + "`: it is stored as " + std::to_string(stored) +
           " (its low bits)");
}

void ParseSession::AfterEntry(Grammar grammar) {
  if (places_.values_read() == 0) {
    WarnUnmatched(grammar);
    return;
  }
  ++records_in_file_;
  // "[fine]" ends nothing: the entries after it are read as any others.
  if (!after_fine_warned_) {
    for (const auto& [name, where] : sections_) {
      if (name != "[fine]") continue;
      after_fine_warned_ = true;
      Warn(WarningId::kAfterFine, KeywordPlace(),
           Quoted(Trim(places_.keyword())) +
               " stands after '[fine]' and is still read: the reading goes on to the end of the "
               "file (later entries after it are not warned about)",
           {Note{where, "'[fine]' is here"}});
      break;
    }
  }
  if (std::optional<std::string_view> mark = CommentPrefix(places_.keyword())) {
    Warn(WarningId::kCommentMark, KeywordPlace(),
         Quoted(Trim(places_.keyword())) +
             " is read as an entry: the text before its keyword is no "
             "comment mark (" +
             std::string(*mark) +
             "); the files have no comment syntax, delete the line to leave it out");
  }
  WarnRunOn();
  record_end_line_ = places_.last_value_line();
  places_.ValueSpan(static_cast<int>(places_.values_read()) - 1, &record_end_, &record_end_begin_,
                    &record_end_end_);
}

void ParseSession::WarnRunOn() {
  const int last_line = places_.last_value_line();
  if (last_line == places_.keyword_line()) return;
  const size_t on_line = places_.values_on_keyword_line();
  const int next = places_.keyword_line() + 1;
  Warn(WarningId::kRunOnEntry, KeywordPlace(),
       Quoted(Trim(places_.keyword())) + " reads " + std::to_string(places_.values_read()) +
           " values, but its line holds " + std::to_string(on_line) +
           ": the others are taken from the next line",
       {Note{Here(next, 1), "this line, " +
                                Quoted(LineTextFrom(file_.contents(), next, &run_on_cursor_)) +
                                ", is read as values of the entry above, not as an entry of "
                                "its own"}});
  warned_line_ = last_line;
}

namespace {

bool AllDigits(std::string_view t) {
  return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::vector<Fix> ParseSession::DecimalCommaFix(std::string* text) const {
  // The last value read and the extra field are digits joined by a comma
  // alone, on one line: a number written with a decimal comma.
  const FieldReader& r = *file_.open_reader();
  const SourceLocation& last = record_end_;
  const size_t begin = record_end_begin_;
  const size_t end = record_end_end_;
  const std::string_view t = file_.contents();
  if (!last.known() || end >= t.size() || end < begin) return {};
  std::string_view whole = t.substr(begin, end - begin);
  if (whole.starts_with('-') || whole.starts_with('+')) whole.remove_prefix(1);
  const std::string_view fraction = t.substr(r.field_begin(), r.field_end() - r.field_begin());
  if (last.line != r.line() || end + 1 != r.field_begin() || t[end] != ',' || !AllDigits(whole) ||
      !AllDigits(fraction)) {
    return {};
  }
  const std::string written(t.substr(begin, r.field_end() - begin));
  std::string decimal = written;
  decimal[end - begin] = '.';
  *text += "; is " + Quoted(written) + " a number with a decimal comma? the files write " +
           Quoted(decimal);
  SourceLocation range = last;
  range.end_column = r.end_column();
  return {Fix{range, decimal, "Write " + Quoted(written) + " as " + Quoted(decimal)}};
}

void ParseSession::WarnUnmatched(Grammar grammar) {
  const std::string_view t = Trim(places_.keyword());
  const std::string& dashes = places_.dashes();
  const int line = places_.keyword_line();
  if (line == warned_line_ || (t.empty() && dashes.empty())) return;
  const bool line_file = current() == Source::kLinea;
  warned_line_ = line;
  if (IsSectionName(t)) {
    if (IsKnownSection(t, line_file)) {
      const std::string name = ToLower1252(t);
      for (const auto& [seen, where] : sections_) {
        if (seen != name) continue;
        Warn(WarningId::kRepeatedSection, KeywordPlace(),
             "section name " + Quoted(t) +
                 " is given a second time: a section name is read as nothing, and the entries "
                 "under both are read alike",
             {Note{where, "it is first given here"}});
        return;
      }
      sections_.emplace_back(name, KeywordPlace());
      return;
    }
    std::string text = "unknown section name " + Quoted(t) + ": it is read as nothing";
    std::vector<Fix> fixes;
    if (std::optional<std::string_view> near = NearestSection(t, line_file)) {
      text += "; did you mean '" + std::string(*near) + "'?";
      fixes.push_back(
          Fix{KeywordPlace(), std::string(*near), "Change to '" + std::string(*near) + "'"});
    }
    Warn(WarningId::kUnknownSection, KeywordPlace(), text, {}, std::move(fixes));
    return;
  }
  if (line == record_end_line_) {
    std::string text = "extra field " + Quoted(t) +
                       " after the values of the entry: it is ignored (the entry reads "
                       "fewer values)";
    std::vector<Fix> fixes = DecimalCommaFix(&text);
    Warn(WarningId::kExtraField, KeywordPlace(), std::move(text), {}, std::move(fixes));
    return;
  }
  // Without the geometry a curve line is passed over whole, by design.
  if (grammar == Grammar::kLineBody && !with_geometry() &&
      Matches(KeywordId::kCurva, places_.keyword())) {
    return;
  }
  if (!places_.first_on_line()) return;
  std::string text = "line ignored: " + Quoted(dashes.empty() ? t : dashes) +
                     (dashes.empty() ? " matches no keyword"
                                     : " holds '-' and is passed over as a remark, and " +
                                           Quoted(t) + " after it matches no keyword");
  std::vector<Fix> fixes;
  if (std::optional<std::string_view> other = KeywordElsewhere(t, grammar)) {
    text += "; this keyword is read only in " + std::string(*other);
  } else if (std::optional<std::string_view> near = NearestKeyword(t, grammar)) {
    text += "; did you mean '" + std::string(*near) + "'?";
    // The field is replaced only when it is the keyword misspelt as a whole,
    // not a keyword among other words.
    if (EditDistance(t, *near) <= 2) {
      fixes.push_back(
          Fix{KeywordPlace(), std::string(*near), "Change to '" + std::string(*near) + "'"});
    }
  }
  if (CommentPrefix(dashes.empty() ? t : dashes)) {
    text += " (the files have no comment syntax: every line that holds no keyword is ignored)";
  }
  Warn(WarningId::kMisspeltKeyword, places_.GroupPlace(), text, {}, std::move(fixes));
}

bool ParseSession::FindGenerale(bool at_end_too, std::optional<Note>* near_miss) {
  FieldReader& r = file_.reader();
  std::string field;
  std::vector<Diagnostic> before;
  for (;;) {
    if (r.at_end()) return false;
    r.ReadText(&field);
    if (IsGenerale(field)) break;
    if (r.at_end()) return false;
    const SourceLocation here = ReaderPlace();
    if (!*near_miss && IsSectionName(field) &&
        NearestSection(field, current() == Source::kLinea) == kGenerale) {
      *near_miss = Note{here, "this section name is near '[generale]'"};
    }
    if (r.first_on_line() && !Trim(field).empty()) {
      Diagnostic d;
      d.severity = Severity::kWarning;
      d.warning = WarningId::kBeforeGenerale;
      d.where = here;
      d.text = "line ignored: " + Quoted(Trim(field)) +
               " comes before '[generale]', where nothing is read";
      before.push_back(std::move(d));
    }
  }
  if (at_end_too && r.at_end()) return false;
  for (Diagnostic& d : before) warnings_.Append(std::move(d));
  return true;
}

void ParseSession::EndOfFile() {
  // Without a route the missing route length is the error to hear about.
  if (records_in_file_ > 0 || file_.contents().empty() || !has_route()) return;
  const bool line_file = current() == Source::kLinea;
  Warn(WarningId::kEmptyFile, FilePlace(current()),
       std::string("no entry of the ") + (line_file ? "line" : "train") +
           " description file is read: it " +
           (line_file ? "gives no route features" : "gives no stations, signals or speeds"));
}

}  // namespace percorso
