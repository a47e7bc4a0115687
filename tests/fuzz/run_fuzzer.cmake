# Runs one fuzz target: first every kept crash input, then the fuzzer itself for SECONDS, keeping
# any new crash input among the regressions.
file(MAKE_DIRECTORY ${CORPUS} ${REGRESSIONS})
file(GLOB kept ${REGRESSIONS}/*)
if(kept)
  execute_process(COMMAND ${PROGRAM} ${kept} RESULT_VARIABLE replay)
  if(NOT replay EQUAL 0)
    message(FATAL_ERROR "a kept crash input fails again")
  endif()
endif()
set(corpora ${CORPUS})
if(EXISTS ${SEEDS})
  list(APPEND corpora ${SEEDS})
endif()
execute_process(COMMAND ${PROGRAM} -max_total_time=${SECONDS} -print_final_stats=1 -artifact_prefix=${REGRESSIONS}/
  ${corpora} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the fuzzer found a failing input; it is kept in ${REGRESSIONS}")
endif()
