// The style sheet and the script of the scenario page, kept in view_page.css
// and view_page.js and built into the program as they are.
#ifndef PERCORSO_INSPECT_VIEW_ASSETS_H_
#define PERCORSO_INSPECT_VIEW_ASSETS_H_

#include <string_view>

namespace percorso {

std::string_view ViewPageStyle();
std::string_view ViewPageScript();

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_ASSETS_H_
