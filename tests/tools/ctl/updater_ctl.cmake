solune_test(updater_ctl_tests
  SOURCES FirmwareCommandsTest.cpp TerminalUpdateViewTest.cpp
  LIBS solune::ctl solune::simulator)
