# Cross build of Stats.dll for 32-bit Windows with Debian's MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(STATS_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${STATS_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${STATS_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${STATS_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${STATS_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests of the cross build run under Wine, through our wrapper that owns the prefix and display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
