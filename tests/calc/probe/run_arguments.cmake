# Checks `ppicalc-cli <horizontal> <vertical> <inches>` from outside.
#
#   cmake -DPROBE=<ppicalc-cli> [-DEMULATOR=<wine>] -P run_arguments.cmake
#
# The full-width case passes UTF-8 arguments (this file is UTF-8), which the
# probe converts to GBK before reading them.

cmake_minimum_required(VERSION 3.25)

function(expect_output expected)
  execute_process(
    COMMAND ${EMULATOR} ${PROBE} ${ARGN}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE result
    TIMEOUT 60)
  if(NOT result EQUAL 0 OR NOT output STREQUAL expected)
    message(FATAL_ERROR "ppicalc-cli ${ARGN}: exit ${result}, got '${output}', expected '${expected}' ${errors}")
  endif()
endfunction()

expect_output("2202.91\t141.2121794872\n" 1920 1080 15.6)
expect_output("2202.91\t141.2121794872\n" "１９２０" "１０８０" "１５．６")
expect_output("2202.91\t141.2121794872\n" 1920px 1080 "15.6英寸")

# Three empty arguments (a list cannot carry them through a function).
execute_process(COMMAND ${EMULATOR} ${PROBE} "" "" "" OUTPUT_VARIABLE output RESULT_VARIABLE result TIMEOUT 60)
if(NOT result EQUAL 0 OR NOT output STREQUAL "0\t-1.#IND\n")
  message(FATAL_ERROR "ppicalc-cli with three empty arguments: exit ${result}, got '${output}'")
endif()

execute_process(COMMAND ${EMULATOR} ${PROBE} 1920 1080 RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET TIMEOUT 60)
if(NOT result EQUAL 2)
  message(FATAL_ERROR "ppicalc-cli with two arguments: exit ${result}, expected 2 (usage)")
endif()
