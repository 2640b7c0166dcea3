solune_test(updater_update_tests
  SOURCES UpdateProceduresTest.cpp UpdateFaultsTest.cpp VirtualBootLoaderTest.cpp UpdaterFlowTest.cpp
  LIBS solune::bootloader solune::simulator)
