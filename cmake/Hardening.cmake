# The compiler and linker protections Debian builds its packages with, for the
# package build only (-DSOLUNE_HARDENED=ON, as the "package" preset sets): the
# ordinary developer build keeps its plain flags.
#
#   -D_FORTIFY_SOURCE=2          checked string and memory calls (needs -O1 or
#                                more: the build types Release, RelWithDebInfo)
#   -fstack-protector-strong     a canary in every function with a local array
#   -fstack-clash-protection     stack growth probed page by page
#   -fcf-protection              x86 control-flow protection (CET)
#   -Wl,-z,relro,-z,now          relocations bound at start, then read-only
#   position-independent code    every program linked as a PIE
#
# The package build also drops the .comment sections (the compiler's name and
# version) from the installed programs; see cmake/Install.cmake.

option(SOLUNE_HARDENED "Build with Debian's hardening flags (the package build)" OFF)
if(SOLUNE_HARDENED)
  if(SOLUNE_SANITIZE OR SOLUNE_TSAN OR SOLUNE_FUZZ)
    message(FATAL_ERROR "SOLUNE_HARDENED is for the package build, not for sanitizer or fuzz builds")
  endif()
  if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    message(FATAL_ERROR "SOLUNE_HARDENED needs an optimised build type (Release or RelWithDebInfo), not ${CMAKE_BUILD_TYPE}")
  endif()
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2
    -fstack-protector-strong -fstack-clash-protection -fcf-protection)
  add_link_options(-Wl,-z,relro,-z,now)
endif()
