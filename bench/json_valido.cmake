# Runs the graph bench on one short benchmark in JSON: all it writes is one JSON document
# naming that benchmark, and nothing after it.
execute_process(COMMAND ${BENCH} --benchmark_filter=^DisegnoNudo/1$ --benchmark_min_time=0.001
  --benchmark_format=json OUTPUT_VARIABLE uscita RESULT_VARIABLE esito)
string(JSON nome ERROR_VARIABLE errore GET "${uscita}" benchmarks 0 name)
if(NOT esito EQUAL 0 OR NOT nome STREQUAL "DisegnoNudo/1" OR NOT uscita MATCHES "}[ \n]*$")
  message(FATAL_ERROR "bench ended with ${esito} (${errore}):\n${uscita}")
endif()
