#include "io/memory.h"

namespace percorso {

// Windows gives large pages only to a process holding a privilege that
// ordinary users lack.
bool UseLargePagesForTheHeap() {
  return false;
}

}  // namespace percorso
