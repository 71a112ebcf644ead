# A newcomer's flights on a real window of a private X server, steered and
# paused by real X key events: resume in every phase, the camera, keyboard
# steering onto an angled runway, calibration and held keys on a desktop.
add_executable(tst_newcomer newcomer/tst_newcomer.cpp common/gameharness.h)
target_include_directories(tst_newcomer PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tst_newcomer PRIVATE cirrovanta_core Qt6::QuickTest Qt6::Quick Qt6::Qml)
target_compile_definitions(tst_newcomer PRIVATE
    CIRROVANTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    QUICK_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}/newcomer")
add_test(NAME tst_newcomer
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/newcomer/under-xvfb.sh $<TARGET_FILE:tst_newcomer>
        -input ${CMAKE_CURRENT_SOURCE_DIR}/newcomer)
# Qt Quick's software renderer: the X events are what count here, and Mesa's
# GL driver, unloaded at exit, leaves allocations LeakSanitizer cannot name.
set_tests_properties(tst_newcomer PROPERTIES
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    ENVIRONMENT "QT_LOGGING_RULES=default.debug=false;QT_QUICK_BACKEND=software"
    LABELS "qml"
    TIMEOUT 300)
# Held keys are real X auto-repeats racing the game's own timers: on a machine
# loaded by a parallel test (worse under the sanitizers) the repeats outpace a
# slowed game, so this one runs alone.
set_tests_properties(tst_newcomer PROPERTIES RUN_SERIAL TRUE)
