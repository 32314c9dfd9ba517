# Build conventions shared by every subsystem.
#
#   VR_WINDOWS            true for the win32 and win64 builds
#   VR_ARCH               native, x86 or x64
#   vr_defaults(tgt)      warnings, code page 932 for narrow literals, static runtime, sanitizers
#   vr_library(name ...)  static library of our own sources
#   VR_CAN_RUN            the binaries of this build can be run here (natively or under Wine)
#   vr_test(name ...)     GoogleTest binary registered with ctest (run through Wine when cross-compiling);
#                         not built where VR_CAN_RUN is false
#   vr_deliverable(tgt ARCH a) copies the finished binary to dist/<a> when this build is for a,
#                         and checks its imports (an x86 deliverable built by win64 is a test twin)
#   vr_native_tool(tgt)   copies a native tool to dist/tools
#   vr_copy_beside(tgt dir) copies a built binary into a folder after each build

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(VR_WINDOWS TRUE)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VR_ARCH x64)
    set(VR_PE_MACHINE x86-64)   # machine names of tools/pe-check.py
  else()
    set(VR_ARCH x86)
    set(VR_PE_MACHINE i386)
  endif()
else()
  set(VR_WINDOWS FALSE)
  set(VR_ARCH native)
endif()

# Wine runs 32-bit programs only where the kernel runs 32-bit Linux programs (its 32-bit
# loader is one). Elsewhere the win32 build makes the x86 deliverables and checks them
# statically, and the win64 build runs the same sources, built for x64, under Wine.
if(VR_ARCH STREQUAL "x86")
  execute_process(COMMAND /usr/lib/wine/wine --version RESULT_VARIABLE vr_wine32_result
                  OUTPUT_QUIET ERROR_QUIET)
  if(vr_wine32_result EQUAL 0)
    set(VR_CAN_RUN TRUE)
  else()
    set(VR_CAN_RUN FALSE)
    message(STATUS "This machine runs no 32-bit programs: x86 binaries are checked statically only")
  endif()
else()
  set(VR_CAN_RUN TRUE)
endif()

set(VR_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
set(VR_TOOLS_DIR ${CMAKE_SOURCE_DIR}/tools)

function(vr_add_googletest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  if(EXISTS /usr/src/googletest/CMakeLists.txt)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main gmock gmock_main)
      if(TARGET ${t})
        target_compile_options(${t} PRIVATE -w)
        if(VR_SANITIZE AND NOT VR_WINDOWS)
          target_compile_options(${t} PRIVATE -fsanitize=address,undefined)
        endif()
      endif()
    endforeach()
  else()
    message(FATAL_ERROR "GoogleTest sources not found in /usr/src/googletest (apt-get install googletest)")
  endif()
endfunction()

function(vr_defaults tgt)
  target_compile_options(${tgt} PRIVATE
    -Wall -Wextra -Wno-missing-field-initializers
    -finput-charset=UTF-8 -fexec-charset=CP932)
  target_include_directories(${tgt} PRIVATE ${CMAKE_SOURCE_DIR})
  if(VR_WINDOWS)
    target_compile_definitions(${tgt} PRIVATE _WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX)
    target_link_options(${tgt} PRIVATE -static -static-libgcc -static-libstdc++)
  elseif(VR_SANITIZE)
    target_compile_options(${tgt} PRIVATE -fsanitize=address,undefined
      -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(${tgt} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

function(vr_library name)
  add_library(${name} STATIC ${ARGN})
  vr_defaults(${name})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  if(VR_SANITIZE AND NOT VR_WINDOWS)
    target_link_options(${name} INTERFACE -fsanitize=address,undefined)
  endif()
endfunction()

# vr_test(name SOURCES a.cpp ... [LIBS x y] [ENVIRONMENT K=V ...] [LABELS l ...] [RESOURCE_LOCK r ...])
function(vr_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENVIRONMENT;LABELS;RESOURCE_LOCK" ${ARGN})
  if(NOT VR_CAN_RUN)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  vr_defaults(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600 LABELS "${VR_ARCH};${T_LABELS}")
  if(T_ENVIRONMENT)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${T_ENVIRONMENT}")
  endif()
  if(T_RESOURCE_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_RESOURCE_LOCK}")
  endif()
endfunction()

# vr_deliverable(tgt ARCH x86|x64 [ALLOW dll ...]): the binary lands in dist/<arch> when this
# build is for that arch; a test checks that it imports only Windows system DLLs (plus the
# outside DLLs named by ALLOW).
function(vr_deliverable tgt)
  cmake_parse_arguments(D "" "ARCH" "ALLOW" ${ARGN})
  if(D_ARCH STREQUAL VR_ARCH)
    add_custom_command(TARGET ${tgt} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E make_directory ${VR_DIST_DIR}/${VR_ARCH}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${tgt}> ${VR_DIST_DIR}/${VR_ARCH}/)
  endif()
  add_test(NAME imports_${tgt}
    COMMAND ${VR_TOOLS_DIR}/check-imports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:${tgt}> ${D_ALLOW})
  set_tests_properties(imports_${tgt} PROPERTIES LABELS "${VR_ARCH};imports")
endfunction()

function(vr_native_tool tgt)
  add_custom_command(TARGET ${tgt} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VR_DIST_DIR}/tools
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${tgt}> ${VR_DIST_DIR}/tools/)
endfunction()

# vr_copy_beside(tgt dir [NAME newname]): place a copy of a built binary in dir (for tests that
# need a program or DLL beside another one, or under the name an outside program has).
# Works from any folder of the tree, not only the one that made tgt.
function(vr_copy_beside tgt dir)
  cmake_parse_arguments(C "" "NAME" "" ${ARGN})
  if(C_NAME)
    set(dest ${dir}/${C_NAME})
  else()
    set(dest ${dir}/$<TARGET_FILE_NAME:${tgt}>)
  endif()
  string(MD5 tag "${dir}/${C_NAME}")
  string(SUBSTRING ${tag} 0 8 tag)
  add_custom_target(copy_${tgt}_${tag} ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${tgt}> ${dest}
    DEPENDS ${tgt} VERBATIM)
endfunction()

# Resource scripts are UTF-8 with #pragma code_page(65001); common/ holds the shared version block.
function(vr_resources tgt)
  target_sources(${tgt} PRIVATE ${ARGN})
  set_property(TARGET ${tgt} APPEND PROPERTY INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/common)
endfunction()
