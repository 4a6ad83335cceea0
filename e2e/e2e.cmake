# The tests of the real program under Wine (native build): the scenario
# groups, make run for a new account, and the release's imports. Name the
# Windows build folders with -DQUELLAR_WIN64_BUILD_DIR and -DQUELLAR_WIN32_BUILD_DIR.
set(QUELLAR_WIN64_BUILD_DIR "" CACHE PATH "x86_64 build folder with Quellar.exe and quellar_e2e.exe")
set(QUELLAR_WIN32_BUILD_DIR "" CACHE PATH "i686 build folder with the release Quellar.exe")

if(QUELLAR_WIN64_BUILD_DIR AND QUELLAR_WIN32_BUILD_DIR)
  set(e2e ${CMAKE_CURRENT_LIST_DIR})
  foreach(group start actions keys tray closing countdown countdown-log-off countdown-shutdown countdown-reboot
          countdown-power-down i686 dpi dpi-without-wine-fonts)
    add_test(NAME e2e_${group}
      COMMAND ${e2e}/run-group.sh ${QUELLAR_WIN64_BUILD_DIR} ${QUELLAR_WIN32_BUILD_DIR} ${group})
    set_tests_properties(e2e_${group} PROPERTIES TIMEOUT 240 LABELS e2e
      ENVIRONMENT E2E_TEMPLATE=${CMAKE_BINARY_DIR}/wine-prefix-template)
  endforeach()
  add_test(NAME e2e_make_run COMMAND ${e2e}/make-run-test.sh ${QUELLAR_WIN64_BUILD_DIR})
  set_tests_properties(e2e_make_run PROPERTIES TIMEOUT 300 LABELS e2e)
  add_test(NAME imports_i686 COMMAND ${e2e}/imports-test.sh ${QUELLAR_WIN32_BUILD_DIR}/Quellar.exe)
endif()
