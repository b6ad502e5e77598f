# Windows build (native MSVC/MinGW or cross-compiled with MinGW-w64): the real program,
# and the Win32 programs the end-to-end suite runs beside it.
enable_language(RC)

# What every Windows target of ours is built with: wide-character system calls, and with
# MinGW a static runtime, so the programs run with no DLL of ours beside them.
function(zavora_win32_target target)
  target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  zavora_warnings(${target})
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++ -municode)
  endif()
endfunction()

target_compile_definitions(zavora_core PRIVATE NOMINMAX)

# The Win32 backend as a library, so the check programs link the same code as the exe.
file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp)
list(REMOVE_ITEM WIN32_SOURCES ${CMAKE_SOURCE_DIR}/src/platform/win32/winmain.cpp)
add_library(zavora_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(zavora_win32 PUBLIC zavora_core
                      user32 gdi32 comctl32 shell32 advapi32 uxtheme imm32 version)
zavora_win32_target(zavora_win32)

# The version resource takes the project version (the one place it is written).
configure_file(${CMAKE_SOURCE_DIR}/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/zavora.rc PROPERTIES
  INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/generated
  OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/version.h)

add_executable(zavora WIN32 ${CMAKE_SOURCE_DIR}/src/platform/win32/winmain.cpp
                            ${CMAKE_SOURCE_DIR}/resources/zavora.rc)
target_link_libraries(zavora PRIVATE zavora_win32)
zavora_win32_target(zavora)
if(MINGW)
  # A release exe carries no symbols: it is what users download.
  target_link_options(zavora PRIVATE $<$<CONFIG:Release>:-s>)
endif()
if(MSVC)
  # zavora.rc carries the manifest; the linker must not add a second one.
  target_link_options(zavora PRIVATE /MANIFEST:NO)
endif()
foreach(f ${DATA_FILES})
  add_custom_command(TARGET zavora POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/${f} $<TARGET_FILE_DIR:zavora>/${f})
endforeach()
include(${CMAKE_SOURCE_DIR}/cmake/help.cmake)

# The setup program, made with NSIS when makensis is there (Debian: package nsis). It
# takes the program as built, with the version of project() and the publisher.
set(ZAVORA_PUBLISHER "Kelvra")
find_program(MAKENSIS makensis)
if(MAKENSIS)
  set(SETUP_EXE ${CMAKE_BINARY_DIR}/kelvra-zavora-setup.exe)
  set(SETUP_SCRIPT ${CMAKE_SOURCE_DIR}/installer/kelvra-zavora.nsi)
  list(TRANSFORM DATA_FILES PREPEND ${CMAKE_SOURCE_DIR}/data/ OUTPUT_VARIABLE SETUP_DATA)
  # The help file goes in when this build makes it (beside zavora.exe, before the setup).
  set(SETUP_HELP)
  if(TARGET zavora_help)
    set(SETUP_HELP ${HELP_FILE})
  endif()
  add_custom_command(OUTPUT ${SETUP_EXE}
    COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DPUBLISHER=${ZAVORA_PUBLISHER}
            -DPROGRAM_DIR=$<TARGET_FILE_DIR:zavora> -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
            -DOUTFILE=${SETUP_EXE} ${SETUP_SCRIPT}
    DEPENDS zavora ${SETUP_DATA} ${SETUP_HELP} ${SETUP_SCRIPT} ${CMAKE_SOURCE_DIR}/resources/setup.ico
            ${CMAKE_SOURCE_DIR}/resources/zavora.ico
    COMMENT "Making the setup program kelvra-zavora-setup.exe"
    VERBATIM)
  add_custom_target(setup ALL DEPENDS ${SETUP_EXE})
  if(TARGET zavora_help)
    add_dependencies(setup zavora_help)
  endif()
else()
  message(STATUS "makensis not found: no setup program")
endif()

option(ZAVORA_TEST_PROGRAMS "Build the Win32 programs of the end-to-end suite" ON)
if(ZAVORA_TEST_PROGRAMS)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/e2e/tools ${CMAKE_BINARY_DIR}/e2e-tools)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/win32 ${CMAKE_BINARY_DIR}/win32-checks)
endif()
