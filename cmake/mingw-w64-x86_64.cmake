# Cross-build for 64-bit Windows with MinGW-w64 (posix thread model: GoogleTest needs
# std::mutex). Everything is linked statically so Velkor.exe needs no DLLs beyond Windows' own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELKOR_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
