# One CTest run of a fuzz target: every input of its corpus folders once,
# then RUNS mutated inputs with a fixed seed, so that a run is repeatable.
# New inputs go to a folder of the build tree; the committed corpus is only
# read. A crash input is written to WORK/ and named in the output.
#   cmake -DFUZZER=... -DWORK=... -DCORPORA=dir;dir -DDICT=file -DRUNS=n -P RunFuzzTarget.cmake

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/new)
set(corpora "")
foreach(dir IN LISTS CORPORA)
  if(IS_DIRECTORY ${dir})
    list(APPEND corpora ${dir})
  endif()
endforeach()
execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -dict=${DICT} -timeout=10 -rss_limit_mb=2048
          -artifact_prefix=${WORK}/ -print_final_stats=1 ${WORK}/new ${corpora}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}/")
endif()
