# The German translation: built into the build directory, found there the way
# the program looks it up, complete for every text, and shown by the engine
# and the documents.
cirrovanta_add_test(tst_translations SOURCES translations/tst_translations.cpp LABELS translations)
# The .qm is compiled with the game; the test reads it from the build directory.
add_dependencies(tst_translations cirrovanta_lrelease)
