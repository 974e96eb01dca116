# Runs the graph bench on one short benchmark with --benchmark_format=json and checks that
# what it writes on its standard output is one JSON document naming that benchmark, and
# nothing else.
execute_process(
  COMMAND ${BENCH} --benchmark_filter=^DisegnoNudo/1$ --benchmark_min_time=0.001
          --benchmark_format=json
  COMMAND ${PYTHON} -c [=[
import json, sys
d = json.load(sys.stdin)
nomi = [b["name"] for b in d["benchmarks"]]
sys.exit(0 if nomi == ["DisegnoNudo/1"] and "context" in d else "benchmarks: %r" % nomi)
]=]
  RESULTS_VARIABLE esiti ERROR_VARIABLE errori)
if(NOT esiti STREQUAL "0;0")
  message(FATAL_ERROR "bench and check ended with ${esiti}:\n${errori}")
endif()
