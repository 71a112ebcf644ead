# gamepad: the time from a stick movement (an SDL virtual controller) to the
# steering item's angle, against the same for a key press, in the real game.
add_executable(bench_gamepad ${CMAKE_CURRENT_LIST_DIR}/gamepad/bench_gamepad.cpp)
target_link_libraries(bench_gamepad PRIVATE cirrovanta_core Qt6::Test PkgConfig::SDL2)
