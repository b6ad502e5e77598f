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
list(REMOVE_ITEM WIN32_SOURCES ${CMAKE_SOURCE_DIR}/src/platform/win32/winmain.cpp
                                 ${CMAKE_SOURCE_DIR}/src/platform/win32/terminate_handler.cpp)
# The core reads the data files itself: its file reader (and the UTF-16 conversion it
# opens files with) go in the core's library, or a link that names the core after this
# library misses them.
set(CORE_FILE_READER ${CMAKE_SOURCE_DIR}/src/platform/win32/file_bytes.cpp
                     ${CMAKE_SOURCE_DIR}/src/platform/win32/wide_text.cpp)
list(REMOVE_ITEM WIN32_SOURCES ${CORE_FILE_READER})
target_sources(zavora_core PRIVATE ${CORE_FILE_READER})
target_compile_definitions(zavora_core PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
add_library(zavora_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(zavora_win32 PUBLIC zavora_core
                      user32 gdi32 comctl32 shell32 advapi32 uxtheme imm32 version)
zavora_win32_target(zavora_win32)

# The version resource takes the project version (the one place it is written).
configure_file(${CMAKE_SOURCE_DIR}/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/zavora.rc PROPERTIES
  INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/generated
  OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/version.h)

# The exe's own terminate handler is an object of the exe, not a library member: the
# runtime asks for it only after our libraries were searched, and would take its own,
# which brings a demangler and a formatted printer (about 30 KiB).
add_executable(zavora WIN32 ${CMAKE_SOURCE_DIR}/src/platform/win32/winmain.cpp
                            ${CMAKE_SOURCE_DIR}/src/platform/win32/terminate_handler.cpp
                            ${CMAKE_SOURCE_DIR}/resources/zavora.rc)
target_link_libraries(zavora PRIVATE zavora_win32)
zavora_win32_target(zavora)
if(MINGW)
  # A release exe carries no symbols: it is what users download. The link keeps them in
  # zavora-symbols.exe beside it, for the size report of scripts/exe-size.sh.
  if(CMAKE_BUILD_TYPE STREQUAL "Release" AND CMAKE_STRIP)
    add_custom_command(TARGET zavora POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zavora> $<TARGET_FILE_DIR:zavora>/zavora-symbols.exe
      COMMAND ${CMAKE_STRIP} $<TARGET_FILE:zavora>)
  endif()
  # Size: the program's speed is the system's (windows, GDI, hooks), so a release build
  # is optimised for size, every function and object in its own section, and the linker
  # keeps only what is reached.
  foreach(target zavora zavora_core zavora_win32)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Os> -ffunction-sections -fdata-sections)
  endforeach()
  target_link_options(zavora PRIVATE -Wl,--gc-sections)
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
