// Carrying out the fixes of diagnostics on the text of a source file.
#ifndef PERCORSO_MODEL_FIXES_H_
#define PERCORSO_MODEL_FIXES_H_

#include <string>
#include <string_view>
#include <vector>

#include "model/diagnostic.h"

namespace percorso {

/// What ApplyFixes made of a text.
struct FixedText {
  std::string text;
  /// The diagnostics whose fixes were carried out.
  int applied = 0;
};

/// `text`, the contents of the file named `file`, with the fixes of
/// `diagnostics` that change that file carried out. The fixes of one
/// diagnostic go in together or not at all: not when one of them lies outside
/// the text or overlaps a fix already taken (the diagnostics are taken in
/// their order). A line ends at CR LF, a lone LF or a lone CR.
FixedText ApplyFixes(std::string_view text, const std::string& file,
                     const std::vector<Diagnostic>& diagnostics);

}  // namespace percorso

#endif  // PERCORSO_MODEL_FIXES_H_
