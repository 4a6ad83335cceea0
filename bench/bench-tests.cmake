# The benchmarks kept runnable (native build, label bench): each script runs
# once in short mode through bench/short-run.sh, and its test fails only when
# the script fails or does not print its figures; the figures are not judged.
# Uses the Windows build folders that e2e/e2e.cmake declares.
# What the idle benchmark reads of its relay trace.
add_executable(relay_tally bench/relay_tally.cpp)
target_link_libraries(relay_tally PRIVATE relay_reader)

if(QUELLAR_WIN64_BUILD_DIR AND QUELLAR_WIN32_BUILD_DIR)
  set(bench_run ${CMAKE_CURRENT_LIST_DIR}/short-run.sh)
  add_test(NAME bench_footprint COMMAND ${bench_run} bench.sh ${QUELLAR_WIN64_BUILD_DIR} ${QUELLAR_WIN32_BUILD_DIR})
  add_test(NAME bench_countdown COMMAND ${bench_run} countdown.sh ${QUELLAR_WIN64_BUILD_DIR})
  add_test(NAME bench_idle COMMAND ${bench_run} idle.sh ${QUELLAR_WIN64_BUILD_DIR})
  # Their usual seconds, so that none of them is left to the end of a run.
  set_tests_properties(bench_footprint PROPERTIES COST 30)
  set_tests_properties(bench_countdown bench_idle PROPERTIES COST 25)
  set_tests_properties(bench_footprint bench_countdown bench_idle PROPERTIES TIMEOUT 400 LABELS bench
    FIXTURES_REQUIRED wine_template
    ENVIRONMENT "QUELLAR_RELAY_TALLY=$<TARGET_FILE:relay_tally>;E2E_TEMPLATE=${CMAKE_BINARY_DIR}/wine-prefix-template")
endif()
