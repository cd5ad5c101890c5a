# Checks `ppicalc-cli --batch` from outside: feeds it request files and
# compares every answer line with the expected one.
#
#   cmake -DPROBE=<ppicalc-cli> [-DEMULATOR=<wine>] -DREQUESTS=<file>
#         -DEXPECTED=<file> -DWORK_DIR=<dir> -P run_batch.cmake
#
# Besides the request file as it is (LF line ends), the same requests are
# sent with CRLF line ends and no final line end, and two very long lines.

cmake_minimum_required(VERSION 3.25)

function(run_probe input_file output_var)
  execute_process(
    COMMAND ${EMULATOR} ${PROBE} --batch
    INPUT_FILE ${input_file}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE result
    TIMEOUT 120)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "ppicalc-cli --batch on ${input_file} ended with ${result}: ${errors}")
  endif()
  set(${output_var} "${output}" PARENT_SCOPE)
endfunction()

# Compares line by line and names every differing line.
function(compare_lines what actual expected)
  if(actual STREQUAL expected)
    return()
  endif()
  string(REPLACE ";" "\\;" actual "${actual}")
  string(REPLACE ";" "\\;" expected "${expected}")
  string(REPLACE "\n" ";" actual_lines "${actual}")
  string(REPLACE "\n" ";" expected_lines "${expected}")
  list(LENGTH actual_lines actual_count)
  list(LENGTH expected_lines expected_count)
  set(report "")
  math(EXPR last "${expected_count} - 1")
  foreach(i RANGE ${last})
    list(GET expected_lines ${i} want)
    if(i LESS actual_count)
      list(GET actual_lines ${i} got)
    else()
      set(got "<missing>")
    endif()
    if(NOT got STREQUAL want)
      math(EXPR line "${i} + 1")
      string(SUBSTRING "${got}" 0 200 got)
      string(SUBSTRING "${want}" 0 200 want)
      string(APPEND report "  line ${line}: got '${got}', expected '${want}'\n")
    endif()
  endforeach()
  message(FATAL_ERROR "${what}: ${actual_count} answer lines for ${expected_count} expected\n${report}")
endfunction()

file(MAKE_DIRECTORY ${WORK_DIR})
file(READ ${REQUESTS} requests)
file(READ ${EXPECTED} expected)

run_probe(${REQUESTS} answers)
compare_lines("LF requests" "${answers}" "${expected}")

string(REPLACE "\n" "\r\n" crlf_requests "${requests}")
string(REGEX REPLACE "\r\n$" "" crlf_requests "${crlf_requests}")
file(WRITE ${WORK_DIR}/crlf_requests.txt "${crlf_requests}")
run_probe(${WORK_DIR}/crlf_requests.txt answers)
compare_lines("CRLF requests without a final line end" "${answers}" "${expected}")

# 100000 ones read as 1.1…e99999: infinity. 50000 full-width ones fold to ASCII.
string(REPEAT "31" 100000 ones)
string(REPEAT "a3b1" 50000 wide_ones)
string(REPEAT "31" 50000 folded_ones)
file(WRITE ${WORK_DIR}/long_requests.txt "parse\t${ones}\nfold\t${wide_ones}\nformat\t409e000000000000\n")
run_probe(${WORK_DIR}/long_requests.txt answers)
compare_lines("very long lines" "${answers}" "7ff0000000000000\n${folded_ones}\n1920\n")
