# Flight model, sensor filters and tilt sources.
cirrovanta_add_test(tst_flightmodel SOURCES flight/tst_flightmodel.cpp LABELS flight)
cirrovanta_add_test(tst_tiltsources SOURCES flight/tst_tiltsources.cpp LABELS flight)
