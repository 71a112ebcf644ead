cirrovanta_add_test(tst_soundfiles SOURCES sounds/tst_soundfiles.cpp LABELS sounds)
