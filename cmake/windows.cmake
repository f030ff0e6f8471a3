# The Windows side: the Win32 platform layer, Velkor.exe, and (64-bit) the tests under Wine.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                        _WIN32_WINNT=0x0601 WINVER=0x0601)
# A small exe: unused code is dropped at link time and the release build carries no symbols.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections $<$<CONFIG:Release>:-s>)

file(GLOB_RECURSE VELKOR_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(velkor_win32 STATIC ${VELKOR_WIN32_SOURCES})
target_link_libraries(velkor_win32 PUBLIC velkor_core shell32 ole32 user32 gdi32 comctl32
                      advapi32 uxtheme)

add_executable(Velkor WIN32 src/main_win.cpp res/velkor.rc)
target_link_libraries(Velkor PRIVATE velkor_win32)
target_link_options(Velkor PRIVATE -municode)

# Velkor.exe must import nothing but Windows' own DLLs.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELKOR_PE_FORMAT x86-64)
else()
  set(VELKOR_PE_FORMAT i386)
endif()
add_test(NAME exe_imports_only_windows_dlls
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DEXE=$<TARGET_FILE:Velkor>
                 -DEXPECT_FORMAT=${VELKOR_PE_FORMAT}
                 -P ${CMAKE_SOURCE_DIR}/tests/win/check_exe.cmake)
set_tests_properties(exe_imports_only_windows_dlls PROPERTIES LABELS "windows")

# The Windows tests run under 64-bit Wine when cross-building on Linux; a 32-bit exe under that
# Wine exits 0 without running anything, so the i686 build only builds and checks Velkor.exe.
if(CMAKE_CROSSCOMPILING AND CMAKE_SIZEOF_VOID_P EQUAL 8 AND EXISTS /usr/src/googletest)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-exec ${CMAKE_BINARY_DIR}/wineprefix)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  add_subdirectory(tests/win)
  add_subdirectory(tests/e2e)
endif()

# The idle floor that bench/idle_report.sh measures Velkor.exe against.
add_executable(bare_timer_window WIN32 bench/bare_timer_window.cpp)
target_link_options(bare_timer_window PRIVATE -municode)
