# Tests of the marsCap pack (tramvelt_test from the parent file). Its window
# tests read title-bar pixels and move the real pointer: the parent file makes
# them take turns on the display with the other window tests.
tramvelt_test(marscap_tests packs/MarsCapTest.cpp)
