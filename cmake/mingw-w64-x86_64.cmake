# Cross builds for Windows with Debian's mingw-w64 (x86_64), using its POSIX-thread runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZORVI_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${ZORVI_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORVI_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORVI_MINGW_TRIPLE}-windres)
set(CMAKE_DLLTOOL ${ZORVI_MINGW_TRIPLE}-dlltool)
set(CMAKE_OBJDUMP ${ZORVI_MINGW_TRIPLE}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${ZORVI_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under Wine (wine64 for 64-bit programs; 32-bit ones only where the kernel
# runs 32-bit programs at all).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
