set(CMAKE_C_COMPILER   ${VR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VR_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP      ${VR_MINGW_TRIPLE}-objdump)
set(CMAKE_FIND_ROOT_PATH /usr/${VR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# ctest runs every Windows test binary through Wine, inside the session that
# tools/wine-session.sh prepares (prefix, display, Japanese locale).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
