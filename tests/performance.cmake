# What the scene builds and keeps running when nobody looks: work that costs
# start-up time, memory or frames without showing anything.
cirrovanta_add_test(tst_idlescenes SOURCES performance/tst_idlescenes.cpp LABELS qml)
