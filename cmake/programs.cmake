# vec_program_tests(PROGRAM SOURCES file... PROBE script EXPECT regex): a program's GoogleTest
# suite (PROGRAM_tests, linked with its form library and the driver's dump) and the driver's
# command line on one of its scripts, PROGRAM.probe_script (vec_probe_test).
function(vec_program_tests program)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PROBE;EXPECT" "SOURCES")
  add_executable(${program}_tests ${arg_SOURCES})
  target_link_libraries(${program}_tests ${program}_form probe GTest::gtest_main)
  gtest_discover_tests(${program}_tests)
  vec_probe_test(${program}.probe_script ${program} ${CMAKE_CURRENT_SOURCE_DIR}/${arg_PROBE}
    "${arg_EXPECT}")
endfunction()

# vec_probe_test(NAME PROGRAM SCRIPT EXPECT): vecprobe runs SCRIPT on PROGRAM; the test passes when
# the script runs to its end and the output matches the regex EXPECT (cmake/probe_check.cmake).
function(vec_probe_test name program script expect)
  set(expect_file ${CMAKE_CURRENT_BINARY_DIR}/${name}.expect)
  file(WRITE ${expect_file} "${expect}")
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -DDRIVER=$<TARGET_FILE:vecprobe>
    -DPROGRAM=${program} -DSCRIPT=${script} -DEXPECT_FILE=${expect_file}
    -P ${CMAKE_SOURCE_DIR}/cmake/probe_check.cmake)
endfunction()
