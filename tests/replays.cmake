# Flights recorded, kept, raced against and watched again.
cirrovanta_add_test(tst_replays SOURCES replays/tst_replays.cpp LABELS replays)

# The ghost in Qt Quick Test over a real level.
add_executable(tst_ghost replays/tst_ghost.cpp)
target_link_libraries(tst_ghost PRIVATE cirrovanta_core Qt6::QuickTest)
target_compile_definitions(tst_ghost PRIVATE QUICK_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}/replays"
    CIRROVANTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_test(NAME tst_ghost COMMAND tst_ghost -input ${CMAKE_CURRENT_SOURCE_DIR}/replays/tst_ghost.qml)
set_tests_properties(tst_ghost PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} LABELS "replays;qml")
