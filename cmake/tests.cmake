# mochi_add_test(NAME SOURCES... LIBS...): one GoogleTest executable, registered with ctest as
# one test. Under the mingw presets ctest runs it through CMAKE_CROSSCOMPILING_EMULATOR (wine64).
function(mochi_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
