# Tilt sources.
cirrovanta_add_test(tst_tiltsources SOURCES flight/tst_tiltsources.cpp LABELS flight)
