# Native (Linux) build: the simulated desktop, the unit tests, the benchmarks and,
# with clang, the fuzz targets.
file(GLOB SIM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/sim/*.cpp)
# The data files are read by the core itself: its file reader belongs in the core's
# library, or a program linking the core before the simulation misses it.
set(CORE_FILE_READER ${CMAKE_SOURCE_DIR}/src/platform/sim/file_bytes.cpp)
list(REMOVE_ITEM SIM_SOURCES ${CORE_FILE_READER})
target_sources(zavora_core PRIVATE ${CORE_FILE_READER})
add_library(zavora_sim STATIC ${SIM_SOURCES})
target_link_libraries(zavora_sim PUBLIC zavora_core)
target_compile_options(zavora_sim PRIVATE -Wall -Wextra)

enable_testing()
find_package(GTest REQUIRED)
file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(zavora_tests ${UNIT_TEST_SOURCES})
target_link_libraries(zavora_tests PRIVATE zavora_sim GTest::gtest GTest::gtest_main GTest::gmock)
target_include_directories(zavora_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
target_compile_definitions(zavora_tests PRIVATE ZAVORA_DATA_DIR="${CMAKE_SOURCE_DIR}/data/")
include(GoogleTest)
gtest_discover_tests(zavora_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
  if(BENCH_SOURCES)
    add_executable(zavora_bench ${BENCH_SOURCES})
    target_link_libraries(zavora_bench PRIVATE zavora_sim benchmark::benchmark benchmark::benchmark_main)
    target_compile_definitions(zavora_bench PRIVATE ZAVORA_DATA_DIR="${CMAKE_SOURCE_DIR}/data/")
  endif()
endif()

option(ZAVORA_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(ZAVORA_FUZZ)
  file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
  foreach(src ${FUZZ_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE zavora_sim)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  endforeach()
  target_compile_options(zavora_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  target_compile_options(zavora_sim PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  # The instrumented libraries need the sanitizer runtimes wherever they are linked: the
  # unit tests and the benchmarks of a fuzz build link them too.
  target_link_options(zavora_core INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
endif()
