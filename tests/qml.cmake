# The game as a player meets it: a Qt Quick Test suite over the real main
# document, screens and levels, with a real engine and settings store.
add_executable(tst_qml_game qml/tst_game.cpp common/gameharness.h)
target_include_directories(tst_qml_game PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tst_qml_game PRIVATE cirrovanta_core Qt6::QuickTest Qt6::Quick Qt6::Qml)
target_compile_definitions(tst_qml_game PRIVATE
    CIRROVANTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    QUICK_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}/qml")
add_test(NAME tst_qml_game COMMAND tst_qml_game -input ${CMAKE_CURRENT_SOURCE_DIR}/qml)
set_tests_properties(tst_qml_game PROPERTIES
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=default.debug=false"
    LABELS "qml"
    TIMEOUT 300)

# qmllint over every document, with the game's module "Cirrovanta" on the
# import path. The context properties that start-up provides
# (GameEngine, GameSettings, TiltSource) are unqualified by nature; the check
# accepts exactly those and fails on any other warning.
find_package(Python3 COMPONENTS Interpreter)
file(GLOB_RECURSE QML_DOCUMENTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/qml/*.qml)
if(Python3_Interpreter_FOUND)
    add_test(NAME qmllint_documents
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/qml/qmllint_check.py
            /usr/lib/qt6/bin/qmllint -I ${PROJECT_SOURCE_DIR}/qml ${QML_DOCUMENTS}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/qml/Cirrovanta)
    set_tests_properties(qmllint_documents PROPERTIES LABELS "qml" TIMEOUT 300)
endif()
