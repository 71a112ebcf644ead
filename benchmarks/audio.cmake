# audio: our mixer against OpenAL Soft rendering the same voices through its
# loopback device (Debian libopenal-dev).
find_package(PkgConfig REQUIRED)
pkg_check_modules(OPENAL REQUIRED IMPORTED_TARGET openal)
add_executable(bench_audio ${CMAKE_CURRENT_LIST_DIR}/audio/bench_audio.cpp)
target_link_libraries(bench_audio PRIVATE cirrovanta_core PkgConfig::OPENAL)
