# The artwork compiled into the program: names, sizes, and that Qt draws it.
cirrovanta_add_test(tst_artwork SOURCES artwork/tst_artwork.cpp LABELS artwork)
