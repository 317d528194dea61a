# vec_program_tests(PROGRAM SOURCES file... PROBE script EXPECT regex): a program's GoogleTest
# suite (PROGRAM_tests, linked with its form library and the driver's dump) and the driver's
# command line on one of its scripts, PROGRAM.probe_script, which passes when vecprobe's output
# matches EXPECT.
function(vec_program_tests program)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PROBE;EXPECT" "SOURCES")
  add_executable(${program}_tests ${arg_SOURCES})
  target_link_libraries(${program}_tests ${program}_form probe GTest::gtest_main)
  gtest_discover_tests(${program}_tests)
  add_test(NAME ${program}.probe_script
    COMMAND vecprobe ${program} ${CMAKE_CURRENT_SOURCE_DIR}/${arg_PROBE})
  set_tests_properties(${program}.probe_script PROPERTIES PASS_REGULAR_EXPRESSION "${arg_EXPECT}")
endfunction()
