// Text from outside the program (a source file, a path given on the command
// line) as it goes to a terminal: a control byte in it could move the cursor,
// change colours or rewrite what was printed before, so it is shown escaped.
#ifndef PERCORSO_DRIVER_SHOWN_TEXT_H_
#define PERCORSO_DRIVER_SHOWN_TEXT_H_

#include <string>
#include <string_view>

namespace percorso {

/// `text` with every control byte (below 0x20 but tab, 0x7F, and the C1
/// controls U+0080 to U+009F written in UTF-8) as "\xHH", each byte of it;
/// with `keep_newlines`, a line feed stays one. Everything else is unchanged.
std::string EscapeControls(std::string_view text, bool keep_newlines = false);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_SHOWN_TEXT_H_
