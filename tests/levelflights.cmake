# Every shipped level flown along its own route through the real engine, with
# a simulated clock: proves each level winnable and its par time sensible.
cirrovanta_add_test(tst_levelflights SOURCES levelflights/tst_levelflights.cpp LABELS levels)

# Not a test: draws a level for the pictures in docs/screenshots
# (scripts/level-screenshots.sh); built only when asked for.
add_executable(levelshots EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/scripts/levelshots.cpp)
target_link_libraries(levelshots PRIVATE cirrovanta_core)
target_compile_definitions(levelshots PRIVATE
    CIRROVANTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    CIRROVANTA_BINARY_DIR="${PROJECT_BINARY_DIR}")
