# Windows build (native MSVC/MinGW or cross-compiled with MinGW-w64): the real program.
file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp)
enable_language(RC)
add_executable(zavora WIN32 ${WIN32_SOURCES} ${CMAKE_SOURCE_DIR}/resources/zavora.rc)
target_link_libraries(zavora PRIVATE zavora_core)
target_compile_definitions(zavora PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_compile_definitions(zavora_core PRIVATE NOMINMAX)
if(MINGW)
  # Static runtime: the exe runs with no DLL of ours beside it.
  target_link_options(zavora PRIVATE -static -static-libgcc -static-libstdc++ -municode)
  # A release exe carries no symbols: it is what users download.
  target_link_options(zavora PRIVATE $<$<CONFIG:Release>:-s>)
  target_compile_options(zavora PRIVATE -Wall -Wextra)
endif()
target_link_libraries(zavora PRIVATE user32 gdi32 comctl32 shell32 advapi32 uxtheme imm32 version)
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
