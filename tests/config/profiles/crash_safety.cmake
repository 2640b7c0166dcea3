solune_test(crash_safety_tests
  SOURCES CrashSafetyTest.cpp
  LIBS solune::profiles solune::macros)
