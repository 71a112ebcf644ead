# Hostile and broken surroundings: fuzz findings replayed, broken scenes and
# stores, missing data directories, and
# settings that survive a killed process.
foreach(fuzz_target fuzz_wav fuzz_updateanswer fuzz_replay)
    cirrovanta_add_test(tst_replay_${fuzz_target}
        SOURCES hostile/tst_fuzzreplay.cpp ${PROJECT_SOURCE_DIR}/fuzz/${fuzz_target}.cpp
        LABELS hostile fuzz)
    target_compile_definitions(tst_replay_${fuzz_target} PRIVATE FUZZ_TARGET_NAME="${fuzz_target}")
endforeach()
cirrovanta_add_test(tst_hostilescenes SOURCES hostile/tst_hostilescenes.cpp LABELS hostile)
cirrovanta_add_test(tst_durability SOURCES hostile/tst_durability.cpp LABELS hostile)
# Runs the real executable from a copy in a scratch installation.
cirrovanta_add_test(tst_surroundings SOURCES hostile/tst_surroundings.cpp LABELS hostile)
add_dependencies(tst_surroundings cirrovanta)
# The real executable under its own Xvfb, driven with xdotool: settings-lock
# litter, unreadable stores, stored values out of bounds, 10,000-entry
# listing screens and a standard error nobody reads.
cirrovanta_add_test(tst_hostilestore SOURCES hostile/tst_hostilestore.cpp LABELS hostile)
add_dependencies(tst_hostilestore cirrovanta)
