# Benchmark programs: the bare window in both builds, for its size, and the
# start-up timer, which times the x86_64 ones.
add_executable(bare_window WIN32 bench/bare.cpp)
# The same window with the program's manifest and its common controls set up:
# what the look of Windows' own controls costs any program that has it.
add_executable(bare_controls WIN32 bench/bare.cpp bench/bare-controls.rc)
target_compile_definitions(bare_controls PRIVATE BARE_WITH_COMMON_CONTROLS)
target_include_directories(bare_controls PRIVATE ${CMAKE_BINARY_DIR}/generated/resources)
target_link_libraries(bare_controls PRIVATE comctl32)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  foreach(bare bare_window bare_controls)
    target_compile_options(${bare} PRIVATE -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
      -ffunction-sections -fdata-sections)
    target_link_options(${bare} PRIVATE -static -s -Wl,--gc-sections)
  endforeach()
endif()
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_executable(starttime bench/starttime.cpp)
  target_link_libraries(starttime PRIVATE psapi)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_link_options(starttime PRIVATE -static)
  endif()
endif()
