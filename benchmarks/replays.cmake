# replays: what recording costs per frame of a real flight, and the replay
# file's size per minute (bench_replays, run under a display).
add_executable(bench_replays ${CMAKE_CURRENT_LIST_DIR}/replays/bench_replays.cpp)
target_link_libraries(bench_replays PRIVATE cirrovanta_core)
