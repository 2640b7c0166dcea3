solune_test(updater_link_tests
  SOURCES BootLoaderLinkTest.cpp NormalModeRequestsTest.cpp
  LIBS solune::bootloader)
