// A second thread for work that runs beside the one that holds the files.
#ifndef PERCORSO_IO_BACKGROUND_H_
#define PERCORSO_IO_BACKGROUND_H_

#include <functional>
#include <thread>

namespace percorso {

/// Starts a thread that runs `work` and never takes an interrupt: on POSIX it
/// keeps SIGINT, SIGTERM and SIGHUP blocked, so that they reach the thread
/// that holds the temporaries and hold them back while it renames (an
/// interrupt delivered to another thread would not wait). False, with nothing
/// started, when the system refuses a thread; the caller then does the work
/// itself.
bool StartBackgroundThread(std::function<void()> work, std::thread* thread);

}  // namespace percorso

#endif  // PERCORSO_IO_BACKGROUND_H_
