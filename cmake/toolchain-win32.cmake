# i686-w64-mingw32: the x86 deliverables. The -posix compilers are needed by GoogleTest
# (std::mutex); everything is linked statically, so no mingw runtime DLL is imported.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VR_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
