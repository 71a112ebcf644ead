# Endings and pauses as the player meets them beyond the QML suite: a paused
# flight heard through a real PulseAudio null sink (the test command starts it).
cirrovanta_add_test(tst_pausesilence SOURCES endings/tst_pausesilence.cpp LABELS audio pulse)
set_tests_properties(tst_pausesilence PROPERTIES RUN_SERIAL TRUE)
