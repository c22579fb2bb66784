// The memory of a short run: the heap asked to come in large pages.
#ifndef PERCORSO_IO_MEMORY_H_
#define PERCORSO_IO_MEMORY_H_

namespace percorso {

/// Asks that the heap memory the run allocates from here on come in large
/// pages (2 MiB) where the system gives them on request, as Linux does: a
/// compile touches a few hundred pages of new memory, and on a virtual machine
/// the first touch of each small page costs more than the work done in it.
/// Blocks of up to 32 MiB then come from the heap, and the heap is not given
/// back to the system before the process ends: for one-shot runs only.
/// Changes nothing where it cannot be done (another system or allocator,
/// large pages turned off), and nothing a program can see but the time of
/// its page faults and a resident size rounded up to large pages. True when
/// the heap's next blocks lie in memory marked for large pages. Acts once in a
/// process; later calls give the first one's answer.
bool UseLargePagesForTheHeap();

}  // namespace percorso

#endif  // PERCORSO_IO_MEMORY_H_
