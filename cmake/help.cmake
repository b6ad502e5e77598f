# The help file zavorahelp.chm, compiled from help/ with chmcmd (Free Pascal's CHM
# compiler; Debian package fp-utils) and put beside zavora.exe, which opens it from there.
# Without chmcmd the program builds all the same and says, when asked for help, that the
# file is missing.
find_program(CHMCMD_PROGRAM chmcmd)
if(NOT CHMCMD_PROGRAM)
  message(STATUS "chmcmd not found: zavorahelp.chm will not be built")
  return()
endif()

file(GLOB_RECURSE HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(HELP_OUTPUT_DIR ${CMAKE_BINARY_DIR}/help)
set(HELP_FILE ${HELP_OUTPUT_DIR}/zavorahelp.chm)
file(MAKE_DIRECTORY ${HELP_OUTPUT_DIR})
# chmcmd writes the compiled file into its working folder and reads the project's files
# relative to the project.
add_custom_command(OUTPUT ${HELP_FILE}
  COMMAND ${CHMCMD_PROGRAM} --verbosity 0 ${CMAKE_SOURCE_DIR}/help/zavorahelp.hhp
  WORKING_DIRECTORY ${HELP_OUTPUT_DIR}
  DEPENDS ${HELP_SOURCES}
  COMMENT "Compiling zavorahelp.chm"
  VERBATIM)
add_custom_target(zavora_help ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${HELP_FILE} $<TARGET_FILE_DIR:zavora>/zavorahelp.chm
  DEPENDS ${HELP_FILE}
  VERBATIM)
