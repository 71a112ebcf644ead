cirrovanta_add_test(tst_gamestep SOURCES gamestep/tst_gamestep.cpp)
