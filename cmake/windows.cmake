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
  # A release exe carries no symbols: it is what users download. The link keeps them in
  # zavora-symbols.exe beside it, for the size report of scripts/exe-size.sh.
  if(CMAKE_BUILD_TYPE STREQUAL "Release" AND CMAKE_STRIP)
    add_custom_command(TARGET zavora POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zavora> $<TARGET_FILE_DIR:zavora>/zavora-symbols.exe
      COMMAND ${CMAKE_STRIP} $<TARGET_FILE:zavora>)
  endif()
  target_compile_options(zavora PRIVATE -Wall -Wextra)
  # Size: the program's speed is the system's (windows, GDI, hooks), so a release build
  # is optimised for size, every function and object in its own section, and the linker
  # keeps only what is reached.
  foreach(target zavora zavora_core)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Os> -ffunction-sections -fdata-sections)
  endforeach()
  target_link_options(zavora PRIVATE -Wl,--gc-sections)
endif()
target_link_libraries(zavora PRIVATE user32 gdi32 comctl32 shell32 advapi32 uxtheme imm32 version)
foreach(f ${DATA_FILES})
  add_custom_command(TARGET zavora POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/${f} $<TARGET_FILE_DIR:zavora>/${f})
endforeach()
include(${CMAKE_SOURCE_DIR}/cmake/help.cmake)
