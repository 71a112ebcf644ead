# The audio engine: WAV loading, mixing and play instances, the sound bank,
# output through a real sound server, and a thread stress run.
cirrovanta_add_test(tst_wavloader SOURCES audio/tst_wavloader.cpp LABELS audio)
cirrovanta_add_test(tst_mixing SOURCES audio/tst_mixing.cpp LABELS audio)
cirrovanta_add_test(tst_soundbank SOURCES audio/tst_soundbank.cpp LABELS audio)
# Needs a PulseAudio server with a null sink: the test command starts one and
# exports PULSE_SERVER; without one the test skips.
cirrovanta_add_test(tst_pulseoutput SOURCES audio/tst_pulseoutput.cpp LABELS audio pulse)
cirrovanta_add_test(tst_audiostress SOURCES audio/tst_audiostress.cpp LABELS audio stress)

# The bank looks for "sounds/" beside the executable's directory first; the
# build directory links the game's own sounds there. These tests bring their
# own sounds in the working directory, so their executables live one level
# deeper, where no installed sounds are found.
set_target_properties(tst_soundbank tst_pulseoutput tst_audiostress PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/audio)

# Under ThreadSanitizer, silence Qt's own uninstrumented hand-overs (see the file).
if(CIRROVANTA_SANITIZE MATCHES "thread")
    set_property(TEST tst_wavloader tst_mixing tst_soundbank tst_pulseoutput tst_audiostress
        APPEND PROPERTY ENVIRONMENT "TSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp")
endif()
# Recording the sound server is sensitive to a busy machine: run it alone.
set_tests_properties(tst_pulseoutput PROPERTIES RUN_SERIAL TRUE)
