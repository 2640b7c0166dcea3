solune_test(device_ctl_tests
  SOURCES DeviceCtlTest.cpp
  LIBS solune::ctl solune::simulator)
