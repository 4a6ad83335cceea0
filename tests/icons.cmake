# The program icon's frames: 16 colours for old Windows, 32-bit at every size, from 48 px as PNG.
add_test(NAME icon_frames COMMAND ${CMAKE_CURRENT_LIST_DIR}/icon-test.sh ${CMAKE_SOURCE_DIR}/resources/Quellar.ico)
