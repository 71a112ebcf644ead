cirrovanta_add_test(tst_updatecheck SOURCES update/tst_updatecheck.cpp)
# The test stands in for a translation of the update server's address.
target_compile_definitions(tst_updatecheck PRIVATE
    CIRROVANTA_UPDATE_HOST="${CIRROVANTA_UPDATE_HOST}")
