# The tests of the real program under Wine (native build): the scenario
# groups on both builds, make run for a new account, and the release's
# imports. Name the Windows build folders with -DQUELLAR_WIN64_BUILD_DIR and
# -DQUELLAR_WIN32_BUILD_DIR. A group's driver output and relay trace are kept
# in e2e-logs/ of the build folder.
set(QUELLAR_WIN64_BUILD_DIR "" CACHE PATH "x86_64 build folder with Quellar.exe and quellar_e2e.exe")
set(QUELLAR_WIN32_BUILD_DIR "" CACHE PATH "i686 build folder with the release Quellar.exe")

# The scripts' reader of relay traces, the one the driver and its tests use.
add_executable(quellar_relay e2e/relay_tool.cpp)
target_link_libraries(quellar_relay PRIVATE relay_reader)

if(QUELLAR_WIN64_BUILD_DIR AND QUELLAR_WIN32_BUILD_DIR)
  set(e2e ${CMAKE_CURRENT_LIST_DIR})
  set(e2e_template ${CMAKE_BINARY_DIR}/wine-prefix-template)
  add_test(NAME e2e_template COMMAND ${e2e}/template.sh ${e2e_template})
  set_tests_properties(e2e_template PROPERTIES FIXTURES_SETUP wine_template TIMEOUT 400 LABELS e2e)
  # A group, run as E2E_BITS says (64, 32, or release: the i686 release where the host runs it, else
  # the x86_64 build); its usual seconds on a 2-core host make the longest start first.
  function(e2e_group test group bits seconds)
    string(REGEX REPLACE "^e2e_" "" logs ${test})
    add_test(NAME ${test} COMMAND ${e2e}/run-group.sh ${QUELLAR_WIN64_BUILD_DIR} ${QUELLAR_WIN32_BUILD_DIR} ${group})
    # A host that runs no 32-bit programs skips the i686 groups, saying why.
    set_tests_properties(${test} PROPERTIES TIMEOUT 240 LABELS e2e SKIP_RETURN_CODE 77 COST ${seconds}
      FIXTURES_REQUIRED wine_template
      ENVIRONMENT "QUELLAR_RELAY=$<TARGET_FILE:quellar_relay>;E2E_TEMPLATE=${e2e_template};E2E_BITS=${bits};E2E_LOGS=${CMAKE_BINARY_DIR}/e2e-logs/${logs}")
  endfunction()
  # The groups whose outcome can differ by build run on both: what the program passes to Windows
  # or reads from it by pointer or handle (the tray's record and notifications, the menu, the
  # keyboard hooks, the privilege, the refusal's code, the messages its trace shows), and how
  # the harness reads a trace of either width.
  foreach(group start:33 actions:27 keys:40 tray:70 dpi-tray:24 plain-x:30)
    string(REPLACE ":" ";" group ${group})
    list(GET group 0 name)
    list(GET group 1 seconds)
    foreach(bits 64 32)
      e2e_group(e2e_${name}_${bits} ${name} ${bits} ${seconds})
    endforeach()
  endforeach()
  # These groups' outcome cannot differ by build, so they run once, on the release where the
  # host runs it. The countdown is the portable core counting integer milliseconds, the same in
  # both builds; its inputs are the form's portable checks; at zero it takes the buttons' road to
  # ExitWindowsEx, whose flags and privilege the actions and tray groups check on both. Closing
  # and the session's end are messages without pointers handled by the portable form, and the
  # tray icon and the store they reach are rows of the tray and start groups on both. The window's
  # sizes and fonts at each resolution are the layout table's integer arithmetic and the same
  # calls with the same numbers in either build. The walks work the boxes, tabs, store and tray
  # through the same portable form, and each call of theirs that depends on the width is a row of
  # the start, actions or tray groups.
  foreach(group countdown-a:32 countdown-b:70 countdown-c:72 countdown-d:53 closing:18 dpi:10
          dpi-without-wine-fonts:8 walk:60)
    string(REPLACE ":" ";" group ${group})
    list(GET group 0 name)
    list(GET group 1 seconds)
    e2e_group(e2e_${name} ${name} release ${seconds})
  endforeach()
  add_test(NAME e2e_make_run COMMAND ${e2e}/make-run-test.sh ${QUELLAR_WIN64_BUILD_DIR})
  # It boots a prefix of its own: with its usual seconds it starts among the first.
  set_tests_properties(e2e_make_run PROPERTIES TIMEOUT 300 LABELS e2e COST 75)
  add_test(NAME imports_i686 COMMAND ${e2e}/imports-test.sh ${QUELLAR_WIN32_BUILD_DIR}/Quellar.exe)
endif()
