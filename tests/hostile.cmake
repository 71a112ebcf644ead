# Hostile surroundings: fuzz findings replayed and broken stores. (Broken
# scenes are tst_gamestep's.)
foreach(fuzz_target fuzz_wav fuzz_updateanswer fuzz_replay)
    cirrovanta_add_test(tst_replay_${fuzz_target}
        SOURCES hostile/tst_fuzzreplay.cpp ${PROJECT_SOURCE_DIR}/fuzz/${fuzz_target}.cpp
        LABELS hostile fuzz)
    target_compile_definitions(tst_replay_${fuzz_target} PRIVATE FUZZ_TARGET_NAME="${fuzz_target}")
endforeach()
# The real executable under its own Xvfb, driven with xdotool: settings-lock
# litter, a store or settings directory that cannot be one, unreadable
# stores, 10,000-entry listing screens and a standard error nobody reads.
cirrovanta_add_test(tst_hostilestore SOURCES hostile/tst_hostilestore.cpp LABELS hostile)
add_dependencies(tst_hostilestore cirrovanta)
