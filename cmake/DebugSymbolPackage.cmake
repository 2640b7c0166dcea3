# Run by CPack after it has made the packages (CPACK_POST_BUILD_SCRIPTS), to
# finish the -dbgsym package as Debian's own tools make one:
#
#   - CPack 3.25 writes its md5sums with the absolute paths of its staging
#     folder instead of paths inside the package, so dpkg --verify and debsums
#     would find none of its files: they get the package's own paths;
#   - the debugging files are data, not programs: mode 0644 (objcopy kept the
#     programs' 0755);
#   - its documentation folder is a link to the main package's, which holds the
#     copyright file and the changelog (the -dbgsym package depends on it).
#
# The package is unpacked, mended and packed again in place.

function(mend_debug_symbol_package package)
  set(tree "${CPACK_TOPLEVEL_DIRECTORY}/dbgsym-mend")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb --raw-extract ${package} failed")
  endif()

  file(READ "${tree}/DEBIAN/md5sums" sums)
  string(REGEX REPLACE "  [^\n]*/usr/lib/debug/" "  usr/lib/debug/" sums "${sums}")
  file(WRITE "${tree}/DEBIAN/md5sums" "${sums}")

  file(GLOB_RECURSE debug_files "${tree}/usr/lib/debug/*.debug")
  foreach(debug_file IN LISTS debug_files)
    file(CHMOD "${debug_file}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endforeach()

  file(MAKE_DIRECTORY "${tree}/usr/share/doc")
  file(CREATE_LINK "${CPACK_PACKAGE_NAME}" "${tree}/usr/share/doc/${CPACK_PACKAGE_NAME}-dbgsym"
       SYMBOLIC)

  execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${package}"
                  OUTPUT_QUIET RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb --build ${package} failed")
  endif()
  file(REMOVE_RECURSE "${tree}")
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.ddeb$")
    mend_debug_symbol_package("${package}")
  endif()
endforeach()
