# Flights recorded, kept, raced against and watched again.
cirrovanta_add_test(tst_replays SOURCES replays/tst_replays.cpp LABELS replays)
