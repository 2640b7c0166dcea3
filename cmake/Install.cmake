# Everything `cmake --install` puts on a machine, and the files drawn or made
# for it. Included at the end of the root CMakeLists.txt, so every target
# exists here. Paths below are under the install prefix:
#
#   lib/solune300/                  VESK and W38Updater beside their skin folders
#   bin/VESK, bin/W38Updater        relative links to them: the programs find
#                                   their skins beside the link's target, since
#                                   ProgramFolder() reads /proc/self/exe
#   bin/solune300ctl, bin/solune300-sim
#   share/applications/             a .desktop entry for each program
#   share/metainfo/                 the AppStream metainfo
#   share/icons/hicolor/NxN/apps/   the icons, drawn by skingen
#   share/man/man1/<program>.1.gz   the four programs' manual pages, made from
#                                   their --help texts
#   share/doc/solune300/            copyright (the licence), changelog.gz
#   share/lintian/overrides/        what lintian is told about the layout
#   the udev rule                   /usr/lib/udev/rules.d with the prefix /usr,
#                                   else /etc/udev/rules.d (SOLUNE_UDEV_RULES_DIR
#                                   chooses); udev reads no folder under /usr/local
#
# Every path is relative to the prefix, or decided when installing, so DESTDIR
# and `cmake --install --prefix` place the whole tree anywhere. The demo
# firmware package beside W38Updater in the build tree is never installed: a
# real mouse must not receive the virtual mouse's demo image.

set(SOLUNE_PROGRAM_DIR lib/solune300)
set(SOLUNE_VESK_ID com.dravik.solune300.vesk)
set(SOLUNE_UPDATER_ID com.dravik.solune300.w38updater)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

# The two programs and their skin folders (no partly written picture).
set(solune_programs W38Updater)
if(TARGET VESK)
  list(PREPEND solune_programs VESK)
  install(TARGETS VESK RUNTIME DESTINATION ${SOLUNE_PROGRAM_DIR})
  install(DIRECTORY ${SOLUNE_VESK_SKIN_DIR} DESTINATION ${SOLUNE_PROGRAM_DIR}
          PATTERN "*.part" EXCLUDE)
  install(FILES ${packaging}/${SOLUNE_VESK_ID}.desktop DESTINATION share/applications)
  install(FILES ${packaging}/${SOLUNE_VESK_ID}.metainfo.xml DESTINATION share/metainfo)
endif()
install(TARGETS W38Updater RUNTIME DESTINATION ${SOLUNE_PROGRAM_DIR})
install(DIRECTORY ${SOLUNE_UPDATER_SKIN_DIR} DESTINATION ${SOLUNE_PROGRAM_DIR}
        PATTERN "*.part" EXCLUDE)
install(FILES ${packaging}/${SOLUNE_UPDATER_ID}.desktop DESTINATION share/applications)

# The links in bin/, made once in the build tree and installed as links.
set(link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${link_dir})
foreach(program IN LISTS solune_programs)
  file(CREATE_LINK ../${SOLUNE_PROGRAM_DIR}/${program} ${link_dir}/${program} SYMBOLIC)
  install(FILES ${link_dir}/${program} DESTINATION bin)
endforeach()

install(TARGETS solune300ctl solune300-sim RUNTIME DESTINATION bin)

# The udev rule; its folder is decided by the prefix the install runs with. (A
# build folder configured before this rule kept a fixed folder in its cache,
# which would defeat that; it is dropped.)
get_property(udev_help CACHE SOLUNE_UDEV_RULES_DIR PROPERTY HELPSTRING)
if(udev_help STREQUAL "Where the install target puts the udev rule")
  unset(SOLUNE_UDEV_RULES_DIR CACHE)
endif()
set(SOLUNE_UDEV_RULES_DIR "" CACHE PATH
    "Where the install puts the udev rule (empty: /usr/lib/udev/rules.d with the prefix /usr, else /etc/udev/rules.d)")
install(CODE "
  set(rules_dir \"${SOLUNE_UDEV_RULES_DIR}\")
  if(NOT rules_dir)
    if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
      set(rules_dir /usr/lib/udev/rules.d)
    else()
      set(rules_dir /etc/udev/rules.d)
    endif()
  endif()
  file(INSTALL DESTINATION \"\${rules_dir}\" TYPE FILE
       FILES \"${PROJECT_SOURCE_DIR}/platform/udev/70-solune300.rules\")
")

# The icons of both programs at every usual size.
set(icon_theme ${CMAKE_BINARY_DIR}/icons/hicolor)
add_custom_command(
  OUTPUT ${icon_theme}/48x48/apps/${SOLUNE_VESK_ID}.png
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${SOLUNE_RUN_ENV}
          $<TARGET_FILE:skingen> --icons ${icon_theme} ${SOLUNE_VESK_ID} ${SOLUNE_UPDATER_ID}
  DEPENDS skingen
  COMMENT "Drawing the program icons"
  VERBATIM)
add_custom_target(solune_icons ALL DEPENDS ${icon_theme}/48x48/apps/${SOLUNE_VESK_ID}.png)
set(icon_patterns PATTERN "${SOLUNE_UPDATER_ID}.png")
if(TARGET VESK)
  list(APPEND icon_patterns PATTERN "${SOLUNE_VESK_ID}.png")
endif()
install(DIRECTORY ${icon_theme} DESTINATION share/icons FILES_MATCHING ${icon_patterns})

# The manual pages of the four programs, made from their --help texts and the
# fixed parts in packaging/man/, installed compressed as Debian wants them.
set(man_dir ${CMAKE_BINARY_DIR}/man)
set(man_pages)
foreach(program IN LISTS solune_programs ITEMS solune300ctl solune300-sim)
  set(page ${man_dir}/${program}.1)
  set(template ${packaging}/man/${program}.1.in)
  add_custom_command(
    OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${SOLUNE_RUN_ENV}
            ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DTEMPLATE=${template}
            -DVERSION=${PROJECT_VERSION} -DOUT=${page}
            -P ${PROJECT_SOURCE_DIR}/cmake/ManPageFromHelp.cmake
    DEPENDS ${program} ${template} ${PROJECT_SOURCE_DIR}/cmake/ManPageFromHelp.cmake
    COMMENT "Writing the ${program} manual page from its --help"
    VERBATIM)
  list(APPEND man_pages ${page}.gz)
endforeach()
add_custom_target(solune_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION share/man/man1)

# The licence and the history, where Debian keeps them: a machine-readable
# copyright file and the changelog, compressed without name or time stamp.
set(doc_dir share/doc/solune300)
set(changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
  COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${packaging}/debian/changelog ${changelog}
  DEPENDS ${packaging}/debian/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(solune_changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} ${packaging}/debian/copyright DESTINATION ${doc_dir})
# What lintian is told about this package's layout, each with its reason.
install(FILES ${packaging}/debian/lintian-overrides DESTINATION share/lintian/overrides
        RENAME solune300)

# The package build drops the compiler's .comment sections from the installed
# programs (the C runtime's start files bring them even with -fno-ident).
if(SOLUNE_HARDENED)
  find_program(SOLUNE_OBJCOPY NAMES objcopy REQUIRED)
  set(installed_programs)
  foreach(program IN LISTS solune_programs)
    list(APPEND installed_programs ${SOLUNE_PROGRAM_DIR}/${program})
  endforeach()
  list(APPEND installed_programs bin/solune300ctl bin/solune300-sim)
  install(CODE "
    foreach(program IN ITEMS ${installed_programs})
      execute_process(COMMAND \"${SOLUNE_OBJCOPY}\" --remove-section=.comment
                      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\"
                      RESULT_VARIABLE result)
      if(NOT result EQUAL 0)
        message(FATAL_ERROR \"objcopy --remove-section=.comment \${program} failed\")
      endif()
    endforeach()
  ")
endif()
