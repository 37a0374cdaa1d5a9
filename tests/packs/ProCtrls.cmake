# Tests of the ProCtrls pack (tramvelt_test from the parent file).
tramvelt_test(proctrls_tests packs/ProCtrlsTest.cpp)
if(WIN32)
  # Reads label pixels off the shared screen and presses the real mouse
  # button: no other window may appear meanwhile.
  set_tests_properties(proctrls_tests PROPERTIES RUN_SERIAL TRUE)
endif()
