# Tests of the ProCtrls pack (tramvelt_test from the parent file).
