# Tests of the marsCap pack (tramvelt_test from the parent file).
tramvelt_test(marscap_tests packs/MarsCapTest.cpp)
if(WIN32)
  # Reads title-bar pixels off the shared screen and moves the real mouse:
  # no other window may appear meanwhile.
  set_tests_properties(marscap_tests PROPERTIES RUN_SERIAL TRUE)
endif()
