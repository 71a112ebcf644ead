# The game on its platform: a real X window's focus and a phone's feedback
# profile on the session bus (the test command gives it one).
cirrovanta_add_test(tst_platform SOURCES platform/tst_platform.cpp)
