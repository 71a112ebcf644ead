# whole: the real game's start-up, memory, frame pacing and CPU share against a
# bare Qt Quick program built with the same flags (bench_bare), driven by
# bench_whole, which also gathers the hot-path benchmarks into its table.
add_library(bench_frameprobe STATIC ${CMAKE_CURRENT_LIST_DIR}/whole/frameprobe.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/whole/frameprobe.h)
target_link_libraries(bench_frameprobe PUBLIC Qt6::Quick)

add_executable(bench_game ${CMAKE_CURRENT_LIST_DIR}/whole/bench_game.cpp)
target_link_libraries(bench_game PRIVATE cirrovanta_core bench_frameprobe)

add_executable(bench_bare ${CMAKE_CURRENT_LIST_DIR}/bare/bench_bare.cpp)
target_link_libraries(bench_bare PRIVATE bench_frameprobe)
qt_add_resources(bench_bare "bare"
    PREFIX "/"
    BASE ${PROJECT_SOURCE_DIR}
    FILES ${PROJECT_SOURCE_DIR}/images/plane_1.svg)
qt_add_resources(bench_bare "bare_scene"
    PREFIX "/bare"
    BASE ${CMAKE_CURRENT_LIST_DIR}/bare
    FILES ${CMAKE_CURRENT_LIST_DIR}/bare/bare.qml ${CMAKE_CURRENT_LIST_DIR}/bare/scroll.qml)

add_executable(bench_whole ${CMAKE_CURRENT_LIST_DIR}/whole/bench_whole.cpp)
target_link_libraries(bench_whole PRIVATE Qt6::Core)
target_compile_definitions(bench_whole PRIVATE CIRROVANTA_BINARY_DIR="${PROJECT_BINARY_DIR}")
