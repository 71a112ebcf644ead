# Scene discovery, flight model, sensor filters and tilt sources.
cirrovanta_add_test(tst_scenediscovery SOURCES flight/tst_scenediscovery.cpp LABELS flight)
cirrovanta_add_test(tst_flightmodel SOURCES flight/tst_flightmodel.cpp LABELS flight)
cirrovanta_add_test(tst_sensorfilters SOURCES flight/tst_sensorfilters.cpp LABELS flight)
cirrovanta_add_test(tst_tiltsources SOURCES flight/tst_tiltsources.cpp LABELS flight)
