# Helpers shared by every folder's CMakeLists.txt.
include(GoogleTest)


# solune_library(<name> SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# Defines the library solune_<name> with the alias solune::<name>. Headers are
# included by their path from the project root ("config/profiles/Profile.h").
function(solune_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(solune_${name} STATIC ${ARG_SOURCES})
  add_library(solune::${name} ALIAS solune_${name})
  target_include_directories(solune_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(solune_${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
endfunction()

# solune_test(<name> SOURCES ... LIBS ... [GUI] [WIDGETS] [ENV var=value ...]
#             [VESK_SKINS] [UPDATER_SKINS]
#             [DEFINES name=value ...] [DEPENDS target ...])
# Builds one GoogleTest program and registers its tests with CTest. GUI tests
# run on Qt's offscreen platform so they need no display. WIDGETS (implies
# GUI) is for programs that drive widgets: they link the test-support library
# (tests/support) whole, so its one QApplication for the program is made
# before the first test and its fixture and helpers are at hand. VESK_SKINS and
# UPDATER_SKINS give the program the skin folder the build draws
# (SOLUNE_VESK_SKIN_DIR, SOLUNE_UPDATER_SKIN_DIR) and build the pictures first.
# DEPENDS names targets built before it.
function(solune_test name)
  if(NOT SOLUNE_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "GUI;WIDGETS;VESK_SKINS;UPDATER_SKINS" ""
    "SOURCES;LIBS;ENV;DEFINES;DEPENDS" ${ARGN})
  # NoRealMouse.cpp keeps every test away from real hardware.
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/NoRealMouse.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  if(ARG_WIDGETS)
    set(ARG_GUI TRUE)
    # Whole: nothing refers to the object that makes the QApplication.
    target_link_libraries(${name} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,solune_testsupport>")
  endif()
  solune_test_build_settings(${name})
  set(env ${ARG_ENV})
  if(ARG_GUI)
    list(APPEND env QT_QPA_PLATFORM=offscreen)
  endif()
  # gtest_discover_tests passes each list item of a property as a value of its
  # own, so a property can carry one item only: the test's own variable goes
  # into ENVIRONMENT, the sanitizer suppressions into ENVIRONMENT_MODIFICATION.
  list(LENGTH env env_count)
  if(env_count GREATER 1)
    message(FATAL_ERROR "solune_test(${name}): at most one environment variable (${env})")
  endif()
  set(properties TIMEOUT 300)
  if(env)
    list(APPEND properties ENVIRONMENT "${env}")
  endif()
  if(SOLUNE_RUN_ENV)
    string(REGEX REPLACE "^([A-Z_]+)=" "\\1=set:" modification "${SOLUNE_RUN_ENV}")
    list(APPEND properties ENVIRONMENT_MODIFICATION "${modification}")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${properties})
endfunction()

# The compile definitions and build order that solune_test's options ask for;
# it reads the ARG_ variables of the solune_test that calls it.
function(solune_test_build_settings name)
  set(defines ${ARG_DEFINES})
  set(depends ${ARG_DEPENDS})
  if(ARG_VESK_SKINS)
    list(APPEND defines SOLUNE_VESK_SKIN_DIR="${SOLUNE_VESK_SKIN_DIR}")
    list(APPEND depends solune_skins)
  endif()
  if(ARG_UPDATER_SKINS)
    list(APPEND defines SOLUNE_UPDATER_SKIN_DIR="${SOLUNE_UPDATER_SKIN_DIR}")
    list(APPEND depends solune_skins)
  endif()
  if(defines)
    target_compile_definitions(${name} PRIVATE ${defines})
  endif()
  list(REMOVE_DUPLICATES depends)
  if(depends)
    add_dependencies(${name} ${depends})
  endif()
endfunction()

# solune_fuzzer(<name> SOURCES ... LIBS ...)
# A libFuzzer target, built only with -DSOLUNE_FUZZ=ON and clang.
function(solune_fuzzer name)
  if(NOT SOLUNE_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()
