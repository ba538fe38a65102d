# Small helpers shared by every folder: tests, fuzz targets and benchmarks.
# pt_add_gtest(name SOURCES ... LIBS ...) adds a GoogleTest program whose tests CTest runs, headless
# and with a device folder in the build tree, never the user's own.
function(pt_add_gtest name)
  if(NOT PT_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # The test environment goes through `env`: gtest_discover_tests (CMake 3.25) splits a list
  # given as ENVIRONMENT, so only its first variable would reach the tests.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
    "env;PUTTLAND_BACKEND=headless;PUTTLAND_DEVICE=${CMAKE_BINARY_DIR}/test-device;PT_SOURCE_DIR=${CMAKE_SOURCE_DIR};PT_BINARY_DIR=${CMAKE_BINARY_DIR}")
  # DISABLED_ tests are helper modes that a test runs in a child copy of its program (with
  # --gtest_also_run_disabled_tests); they are not tests of their own, so CTest never lists
  # them and "Skipped" there only ever means a test that could not run here.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_FILTER "-DISABLED_*:*.DISABLED_*")
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

# pt_embed_resources(target TYPE type ID id FILE file [TYPE ... ID ... FILE ...]...): embeds each
# file into the program `target` as a resource that FindResourceW finds (type "WAVE" or a number
# such as 10 for RT_RCDATA; id a number or a name). The target must be an executable: the
# generated sources register themselves at start-up and would be dropped from a static library.
set(PT_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/PtEmbedResource.cmake)
function(pt_embed_resources target)
  get_target_property(kind ${target} TYPE)
  if(NOT kind STREQUAL "EXECUTABLE")
    message(FATAL_ERROR "pt_embed_resources: ${target} is not an executable")
  endif()
  set(args ${ARGN})
  list(LENGTH args count)
  math(EXPR remainder "${count} % 6")
  if(count EQUAL 0 OR NOT remainder EQUAL 0)
    message(FATAL_ERROR "pt_embed_resources(${target}): expected TYPE t ID i FILE f, repeated")
  endif()
  # The generated sources form an object library of the calling folder (where their build
  # rules live), linked into the target wherever that was defined.
  get_property(serial GLOBAL PROPERTY PT_EMBED_SERIAL)
  math(EXPR serial "${serial} + 1")
  set_property(GLOBAL PROPERTY PT_EMBED_SERIAL ${serial})
  set(sources "")
  while(args)
    list(POP_FRONT args k1 type k2 id k3 file)
    if(NOT k1 STREQUAL "TYPE" OR NOT k2 STREQUAL "ID" OR NOT k3 STREQUAL "FILE")
      message(FATAL_ERROR "pt_embed_resources(${target}): expected TYPE t ID i FILE f")
    endif()
    get_filename_component(file "${file}" ABSOLUTE)
    string(MAKE_C_IDENTIFIER "${target}_${type}_${id}" stem)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_resources/${stem}.cpp)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DTYPE=${type} -DID=${id} -P ${PT_EMBED_SCRIPT}
      DEPENDS ${file} ${PT_EMBED_SCRIPT}
      COMMENT "Embedding ${file} as resource ${type} ${id}" VERBATIM)
    list(APPEND sources ${out})
  endwhile()
  add_library(${target}_resources_${serial} OBJECT ${sources})
  target_link_libraries(${target} PRIVATE ${target}_resources_${serial})
endfunction()

# pt_add_subfolders(): every subfolder of the current folder that has a CMakeLists.txt joins the
# build, so a new tool or data source needs no edit of its parent.
function(pt_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# pt_layer_library(name SOURCE_ROOT dir FOLDER folder [PREFIX p] [BELOW lib...]): a static library
# of one folder of a layered subsystem, built from the folder's sources (tests, fuzz targets and
# benchmarks excepted) and linked PUBLIC to the libraries directly below it. Its headers are found
# through an include root of its own in the build tree that holds nothing but a link
# `<PREFIX><folder>` to the folder, and a library sees only its own root and those of the
# libraries below it: a header from higher up is "not found". scripts/ci-layering.sh checks the
# same order on the sources and on the built libraries.
function(pt_layer_library name)
  cmake_parse_arguments(ARG "" "SOURCE_ROOT;FOLDER;PREFIX" "BELOW" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_SOURCE_ROOT}/${ARG_FOLDER}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "(_test\\.cpp|/tests/|/fuzz/|/bench/)")
  add_library(${name} STATIC ${sources})
  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  set(link ${root}/${ARG_PREFIX}${ARG_FOLDER})
  get_filename_component(parent ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${link})
    file(CREATE_LINK ${ARG_SOURCE_ROOT}/${ARG_FOLDER} ${link} SYMBOLIC)
  endif()
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${ARG_BELOW})
  set_property(GLOBAL APPEND PROPERTY PT_LAYER_LIBRARIES "${name}|${ARG_SOURCE_ROOT}/${ARG_FOLDER}")
endfunction()

# Why a Windows program (mingw-w64, built by pt_add_windows_build) cannot be built here, in
# `out` ("" when it can): not in the sanitizer or fuzzing builds, nor without the compilers.
function(pt_windows_build_missing program out)
  find_program(PT_MINGW_CXX x86_64-w64-mingw32-g++-posix)
  find_program(PT_MINGW_WINDRES x86_64-w64-mingw32-windres)
  if(PT_SANITIZE OR PT_FUZZ)
    set(${out} "${program} is not built in sanitizer or fuzzing builds" PARENT_SCOPE)
  elseif(NOT PT_MINGW_CXX OR NOT PT_MINGW_WINDRES)
    set(${out} "${program} is not built: x86_64-w64-mingw32-g++-posix or windres missing (scripts/deps.sh --all)"
        PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

# A Windows program's own CMake project (SOURCE_DIR), configured with the mingw-w64 toolchain
# and built into BINARY_DIR on every build (its own build decides what is out of date); ARGS go
# to its configuration, PRODUCT is the program it leaves in BINARY_DIR/bin.
function(pt_add_windows_build name)
  cmake_parse_arguments(ARG "" "SOURCE_DIR;BINARY_DIR;PRODUCT" "ARGS;DEPENDS" ${ARGN})
  include(ExternalProject)
  set(depends "")
  if(ARG_DEPENDS)
    set(depends DEPENDS ${ARG_DEPENDS})
  endif()
  ExternalProject_Add(${name}
    SOURCE_DIR ${ARG_SOURCE_DIR}
    BINARY_DIR ${ARG_BINARY_DIR}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
      -DCMAKE_BUILD_TYPE=Release
      ${ARG_ARGS}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 2
    INSTALL_COMMAND ""
    BUILD_ALWAYS TRUE
    ${depends}
    BUILD_BYPRODUCTS ${ARG_BINARY_DIR}/bin/${ARG_PRODUCT})
endfunction()
