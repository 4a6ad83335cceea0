# The real program: Quellar.exe over Win32, one static file.
enable_language(RC)

add_executable(Quellar WIN32
  platform/win32/main.cpp
  platform/win32/MainWindow.cpp
  platform/win32/MainWindowControls.cpp
  platform/win32/MainWindowFocus.cpp
  platform/win32/Container.cpp
  platform/win32/Link.cpp
  platform/win32/DialogFont.cpp
  platform/win32/MenuOwner.cpp
  platform/win32/InputGuard.cpp
  platform/win32/Controls.cpp
  platform/win32/SpokenNames.cpp
  platform/win32/Timers.cpp
  platform/win32/TrayMenu.cpp
  platform/win32/Window.cpp
  platform/win32/Questions.cpp
  platform/win32/OtherCopies.cpp
  platform/win32/OptionStore.cpp
  platform/win32/Workstation.cpp
  platform/win32/ShutdownPrivilege.cpp
  platform/win32/TrayIcon.cpp
  platform/win32/TextCase.cpp
  platform/win32/Shell32.cpp
  platform/win32/Com.cpp
  resources/Quellar.rc
)
# The version resource and the manifest carry the project's version; the help
# page is made beside Quellar.exe, whose folder it is shipped and run from.
configure_file(resources/VersionInfo.h.in ${CMAKE_BINARY_DIR}/generated/resources/VersionInfo.h @ONLY)
configure_file(resources/Quellar.manifest.in ${CMAKE_BINARY_DIR}/generated/resources/Quellar.manifest @ONLY)
configure_file(resources/help.html.in ${CMAKE_BINARY_DIR}/help.html @ONLY)
target_include_directories(Quellar PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources
  ${CMAKE_BINARY_DIR}/generated/resources)
target_compile_definitions(Quellar PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(Quellar PRIVATE quellar_core comctl32 advapi32 user32 gdi32 kernel32)

if(MSVC)
  # The resource script embeds the manifest; the linker must not add another.
  target_link_options(Quellar PRIVATE /MANIFEST:NO)
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Nothing throws, so nothing needs unwinding or a verbose report at exit,
  # running out of memory ends the process without throwing, and the string
  # members are compiled without landing pads.
  target_sources(Quellar PRIVATE platform/win32/NoExceptions.cpp platform/win32/Allocation.cpp
    platform/win32/StringMembers.cpp)
  foreach(target quellar_core Quellar)
    # One thread: function-local statics need no guard.
    target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
      -fno-threadsafe-statics -ffunction-sections -fdata-sections)
  endforeach()
  # No build time in the PE header and no build folder in the code: two
  # builds of one commit give the same bytes.
  target_compile_options(Quellar PRIVATE -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.)
  target_link_options(Quellar PRIVATE -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp
    -Wl,-Map=${CMAKE_BINARY_DIR}/Quellar.map)
  # i686 code carries DWARF frame tables, which nothing here reads; x86_64's
  # are the system's own (.pdata, .xdata) and stay.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(frame_tables ${CMAKE_SOURCE_DIR}/platform/win32/FrameTables.ld)
    target_link_options(Quellar PRIVATE -Wl,-T,${frame_tables})
    set_property(TARGET Quellar APPEND PROPERTY LINK_DEPENDS ${frame_tables})
  endif()
endif()
