// The fatal error report.
#ifndef PERCORSO_DRIVER_ERRORE_H_
#define PERCORSO_DRIVER_ERRORE_H_

#include <string>
#include <string_view>

namespace percorso {

/// The text of the fatal error report: " Errore n. " followed by `a`.
std::string errore(std::string_view a);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_ERRORE_H_
