# Runs PROGRAM and checks its exit code and that its output holds EXPECTED_OUTPUT.
execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT code EQUAL EXPECTED_CODE)
  message(FATAL_ERROR "exit code ${code}, expected ${EXPECTED_CODE}\n${output}${errors}")
endif()
string(FIND "${output}" "${EXPECTED_OUTPUT}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "output lacks '${EXPECTED_OUTPUT}':\n${output}")
endif()
