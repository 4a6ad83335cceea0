# The downloadable release: its zips, checksums and a reproducible build.
if(QUELLAR_WIN64_BUILD_DIR AND QUELLAR_WIN32_BUILD_DIR)
  get_filename_component(quellar_builds ${QUELLAR_WIN32_BUILD_DIR} DIRECTORY)
  add_test(NAME release COMMAND ${CMAKE_CURRENT_LIST_DIR}/release-test.sh ${quellar_builds})
  # It builds the release a second time: with its usual seconds it starts early.
  set_tests_properties(release PROPERTIES TIMEOUT 300 COST 30)
endif()
if(QUELLAR_WIN32_BUILD_DIR)
  add_test(NAME release_footprint COMMAND ${CMAKE_CURRENT_LIST_DIR}/footprint-test.sh ${QUELLAR_WIN32_BUILD_DIR})
endif()
