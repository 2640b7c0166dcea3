# The hidraw backend against umockdev's fake hidraw device. One CTest test: the
# program runs under umockdev-wrapper, which preloads the device redirection, and
# exits with 77 (skipped) when it cannot.
if(NOT SOLUNE_BUILD_TESTS)
  return()
endif()
solune_test(platform_clock_tests SOURCES ClockTest.cpp LIBS solune::platform)

find_package(PkgConfig REQUIRED)
pkg_check_modules(UMOCKDEV IMPORTED_TARGET umockdev-1.0)
find_program(UMOCKDEV_WRAPPER umockdev-wrapper)
if(NOT UMOCKDEV_FOUND OR NOT UMOCKDEV_WRAPPER)
  message(STATUS "umockdev not found: the hidraw backend test is not built")
  return()
endif()
add_executable(platform_hid_tests HidrawBackendTest.cpp)
target_link_libraries(platform_hid_tests PRIVATE
  solune::hidraw solune::device solune::simulator PkgConfig::UMOCKDEV GTest::gtest GTest::gmock)
if(SOLUNE_SANITIZE)
  # AddressSanitizer must come first among the preloaded libraries, so the
  # wrapper's preload is spelled out here instead.
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libasan.so
                  OUTPUT_VARIABLE asan_library OUTPUT_STRIP_TRAILING_WHITESPACE)
  add_test(NAME platform_hid_umockdev COMMAND $<TARGET_FILE:platform_hid_tests>)
  set_tests_properties(platform_hid_umockdev PROPERTIES ENVIRONMENT
    "LD_PRELOAD=${asan_library}:libumockdev-preload.so.0;ASAN_OPTIONS=detect_leaks=0")
else()
  add_test(NAME platform_hid_umockdev COMMAND ${UMOCKDEV_WRAPPER} $<TARGET_FILE:platform_hid_tests>)
endif()
set_tests_properties(platform_hid_umockdev PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
