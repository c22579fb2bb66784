// Values written as text for the console, JSON and HTML: quoting, escaping and
// numbers. Every text handed in is UTF-8.
#ifndef PERCORSO_INSPECT_TEXT_OUT_H_
#define PERCORSO_INSPECT_TEXT_OUT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace percorso {

/// `bytes` as valid UTF-8: well-formed UTF-8 sequences are kept, and every
/// other byte is read as a Windows-1252 character, as in the names of files
/// formed from the keys.
std::string ValidUtf8(std::string_view bytes);

/// A JSON string literal, quotes included: quote, backslash and control
/// characters escaped; other characters kept as they are.
std::string JsonQuote(std::string_view utf8);

/// Text safe inside HTML elements and quoted attributes: & < > " ' as
/// references, control characters other than tab and line feed as U+FFFD.
std::string HtmlEscape(std::string_view utf8);

/// A text quoted for the console: "..." with quote, backslash and control
/// characters escaped as in C.
std::string ConsoleQuote(std::string_view utf8);

/// The shortest decimal form that reads back as the same double ("0.1", "2",
/// "-1.5e-07"); NaN and the infinities as "null", for JSON.
std::string ShortestDouble(double v);

/// Metres as kilometres with three decimals: 4250 gives "4.250", -50 "-0.050".
std::string Kilometres(int64_t metres);

/// Seconds as h:mm:ss: 22080 gives "6:08:00"; a negative value keeps its sign.
std::string ClockTime(int64_t seconds);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_TEXT_OUT_H_
