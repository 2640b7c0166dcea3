solune_test(settings_image_tests
  SOURCES SettingsImageTest.cpp KeyTranslationTest.cpp
  LIBS solune::device)
