#include "io/background.h"

#include <system_error>
#include <utility>

#include "io/interrupts.h"

namespace percorso {

bool StartBackgroundThread(std::function<void()> work, std::thread* thread) {
  // A new thread starts with the signal mask of the thread that creates it:
  // created while interrupts are held, it keeps them blocked for its whole
  // life. (On Windows interrupts arrive on a thread of their own anyway.)
  InterruptsHeld held;
  try {
    *thread = std::thread(std::move(work));
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

}  // namespace percorso
