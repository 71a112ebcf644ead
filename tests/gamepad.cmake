# Game controllers (SDL's virtual ones) and touch steering the real game.
cirrovanta_add_test(tst_gamepad SOURCES gamepad/tst_gamepad.cpp LABELS flight)
target_link_libraries(tst_gamepad PRIVATE PkgConfig::SDL2)
