# Small helpers shared by every folder: tests, fuzz targets and benchmarks.
# pt_add_gtest(name SOURCES ... LIBS ...) adds a GoogleTest program whose tests CTest runs.
function(pt_add_gtest name)
  if(NOT PT_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "PUTTLAND_BACKEND=headless;PT_SOURCE_DIR=${CMAKE_SOURCE_DIR};PT_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# pt_add_fuzzer(name SOURCES ... LIBS ... CORPUS dir): a libFuzzer target, built only with PT_FUZZ.
# CI runs each target for a bounded time on its seed corpus (scripts/fuzz.sh).
function(pt_add_fuzzer name)
  if(NOT PT_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  set_property(GLOBAL APPEND PROPERTY PT_FUZZERS "${name}|${ARG_CORPUS}")
endfunction()

function(pt_write_fuzz_list)
  get_property(fuzzers GLOBAL PROPERTY PT_FUZZERS)
  set(text "")
  foreach(entry IN LISTS fuzzers)
    string(REPLACE "|" " " line "${entry}")
    string(APPEND text "${line}\n")
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/fuzz_targets.txt "${text}")
endfunction()
