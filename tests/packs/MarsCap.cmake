# Tests of the marsCap pack (tramvelt_test from the parent file).
