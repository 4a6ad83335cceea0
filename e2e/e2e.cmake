# End-to-end tests (native build): run the Windows build's Quellar.exe and
# quellar_e2e.exe under Wine. Give the Windows build folder with
#   -DQUELLAR_WIN64_BUILD_DIR=/path/to/build/x86_64
set(QUELLAR_WIN64_BUILD_DIR "" CACHE PATH "Windows x86_64 build folder holding Quellar.exe and quellar_e2e.exe")

if(QUELLAR_WIN64_BUILD_DIR)
  set(QUELLAR_E2E_OUT ${CMAKE_BINARY_DIR}/e2e-out)
  set(QUELLAR_E2E_TEMPLATE ${CMAKE_BINARY_DIR}/e2e-prefix-template)

  # group  gtest filter  timeout in seconds
  set(QUELLAR_E2E_GROUPS
    "window|Window.*|120"
    "tabs|Tabs.*|120"
    "controls|Table/Controls.*|120"
    "keyboard|Keyboard.*|120"
    "screenshots|Screenshots.*|120"
    "tray_icon|TrayIcon.*:TrayTaskbarRestart.*|120"
    "tray_menu|TrayMenu.*|120"
    "closing_tray|ClosingTray.*|120"
    "session_end|SessionEnd.*|120"
    "action_question|Buttons/ActionQuestion.*|150"
    "countdown|Countdown.*|150"
    "countdown_limits|Seconds/CountdownLimits.*|150"
    "startup|Startup*.*:*/Startup*.*|150"
    "instance|Instance*.*:*/Instance*.*|150"
  )
  foreach(group IN LISTS QUELLAR_E2E_GROUPS)
    string(REPLACE "|" ";" fields "${group}")
    list(GET fields 0 name)
    list(GET fields 1 filter)
    list(GET fields 2 seconds)
    add_test(NAME e2e_${name}
      COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-e2e.sh
              ${QUELLAR_WIN64_BUILD_DIR}/Quellar.exe
              ${QUELLAR_WIN64_BUILD_DIR}/quellar_e2e.exe
              ${filter}
              ${QUELLAR_E2E_OUT})
    set_tests_properties(e2e_${name} PROPERTIES
      TIMEOUT ${seconds}
      RUN_SERIAL TRUE
      LABELS e2e
      ENVIRONMENT "E2E_PREFIX_TEMPLATE=${QUELLAR_E2E_TEMPLATE}")
  endforeach()

  # Wine's own session end (wineboot) under the running program.
  add_test(NAME e2e_session_end_wineboot
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-session-end.sh ${QUELLAR_WIN64_BUILD_DIR}/Quellar.exe)
  set_tests_properties(e2e_session_end_wineboot PROPERTIES
    TIMEOUT 180
    RUN_SERIAL TRUE
    LABELS e2e
    ENVIRONMENT "E2E_PREFIX_TEMPLATE=${QUELLAR_E2E_TEMPLATE}")

  # The actions reaching Windows, each in a Wine prefix of its own, checked
  # from the program's relay trace.
  add_test(NAME e2e_action_exit
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-action.sh
            ${QUELLAR_WIN64_BUILD_DIR}/Quellar.exe
            ${QUELLAR_WIN64_BUILD_DIR}/quellar_e2e.exe)
  set_tests_properties(e2e_action_exit PROPERTIES
    TIMEOUT 900
    RUN_SERIAL TRUE
    LABELS e2e
    ENVIRONMENT "E2E_PREFIX_TEMPLATE=${QUELLAR_E2E_TEMPLATE};E2E_OUT=${QUELLAR_E2E_OUT}")
endif()
