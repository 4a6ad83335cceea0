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
endif()
