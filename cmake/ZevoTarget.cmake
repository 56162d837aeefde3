# Common compile settings for every target of the project.
function(zevo_set_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ZEVO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(ZEVO_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(ZEVO_FUZZ)
    # Coverage for libFuzzer in every library; undefined behaviour stops the
    # run like a crash, so that the fuzzer keeps the input that caused it.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                                             -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# zevo_library(name SOURCES ... LINKS ...): one static library of a subsystem folder.
function(zevo_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  zevo_set_options(${name})
endfunction()

# zevo_test(name [OWN_MAIN] [SERIAL] SOURCES ... LINKS ...): one GoogleTest
# program, its cases registered with CTest. OWN_MAIN: the sources bring main()
# (widget tests need a QApplication before the first test). SERIAL: its cases
# run while no other test runs (they stop a server the others use).
function(zevo_test name)
  cmake_parse_arguments(ARG "OWN_MAIN;SERIAL" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gtest GTest::gmock)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE ZEVO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  zevo_set_options(${name})
  set(serial FALSE)
  if(ARG_SERIAL)
    set(serial TRUE)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" RUN_SERIAL ${serial})
endfunction()

# zevo_bench(name SOURCES ... LINKS ...): one Google Benchmark program.
function(zevo_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} benchmark::benchmark)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  zevo_set_options(${name})
endfunction()
