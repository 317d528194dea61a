# cmake -DDRIVER=... -DPROGRAM=... -DSCRIPT=... -DEXPECT_FILE=... -P probe_check.cmake: runs the
# driver on a script and passes only when the script ran to its end (exit status 0) and the
# driver's output matches the pattern read from EXPECT_FILE.
execute_process(COMMAND ${DRIVER} ${PROGRAM} ${SCRIPT}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "the script stopped (exit status ${status}): ${err}")
endif()
file(READ ${EXPECT_FILE} expect)
if(NOT out MATCHES "${expect}")
  message(FATAL_ERROR "the dumps do not match the expected pattern:\n${out}${err}")
endif()
