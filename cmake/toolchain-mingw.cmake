# Cross-compiles for Windows with mingw-w64. ZEPHRION_ARCH picks the target:
# i686 (the shipped 32-bit program) or x86_64 (the build the tests run under
# Wine on kernels that refuse 32-bit Linux programs).
set(ZEPHRION_ARCH "i686" CACHE STRING "mingw target: i686 or x86_64")
set_property(CACHE ZEPHRION_ARCH PROPERTY STRINGS i686 x86_64)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZEPHRION_ARCH})
set(_triple ${ZEPHRION_ARCH}-w64-mingw32)

# The posix thread model gives std::thread and std::mutex (the win32 model of
# GCC 12 has neither).
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
