// The style sheet and the script of the scenario page, kept in view_page.css
// and in the modules of view_page/ (joined into one script by the build) and
// built into the program.
#ifndef PERCORSO_INSPECT_VIEW_ASSETS_H_
#define PERCORSO_INSPECT_VIEW_ASSETS_H_

#include <string_view>

namespace percorso {

std::string_view ViewPageStyle();
std::string_view ViewPageScript();

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_ASSETS_H_
