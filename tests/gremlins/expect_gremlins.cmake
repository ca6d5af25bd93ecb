# Lets gremlins loose on PROGRAM in an empty folder and checks the outcome: with EXPECTED
# empty every gremlin passes; otherwise the run stops with EXPECTED in its report, and both
# replaying the script it left and running its gremlin alone again from the seed stop at
# the same event for the same reason.
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
execute_process(COMMAND ${PROGRAM} --gremlins 2 --seed 7 --events 150 WORKING_DIRECTORY ${FOLDER}
                RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(EXPECTED STREQUAL "")
  if(NOT code EQUAL 0 OR NOT output MATCHES "seed 8: passed 150 events")
    message(FATAL_ERROR "expected every gremlin to pass, got ${code}:\n${output}${errors}")
  endif()
  return()
endif()
string(REGEX MATCH "broke an invariant at event [0-9]+: [^\n]*" failure "${output}")
if(NOT code EQUAL 1 OR NOT failure MATCHES "${EXPECTED}")
  message(FATAL_ERROR "expected a failure with '${EXPECTED}', got ${code}:\n${output}${errors}")
endif()
file(GLOB script ${FOLDER}/gremlin-*.script)
foreach(again "--replay;${script}" "--gremlins;1;--seed;7")
  execute_process(COMMAND ${PROGRAM} ${again} WORKING_DIRECTORY ${FOLDER}
                  RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  string(REGEX MATCH "broke an invariant at event [0-9]+: [^\n]*" replayed "${output}")
  if(NOT code EQUAL 1 OR NOT replayed STREQUAL failure)
    message(FATAL_ERROR "${again} gave ${code} '${replayed}', not '${failure}':\n${output}${errors}")
  endif()
endforeach()
