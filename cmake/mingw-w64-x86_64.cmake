# Cross build for 64-bit Windows with Debian's mingw-w64 (package
# g++-mingw-w64-x86-64-posix): the posix thread model, whose libstdc++ has
# std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PERCORSO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PERCORSO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PERCORSO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PERCORSO_MINGW_TRIPLE}-windres)

# Libraries and headers come from the target's tree only; programs run during
# the build are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${PERCORSO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
