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
#   share/man/man1/solune300ctl.1   made from solune300ctl's --help texts
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

# The manual page of solune300ctl.
set(man_page ${CMAKE_BINARY_DIR}/man/solune300ctl.1)
add_custom_command(
  OUTPUT ${man_page}
  COMMAND ${CMAKE_COMMAND} -DCTL=$<TARGET_FILE:solune300ctl> -DVERSION=${PROJECT_VERSION}
          -DOUT=${man_page} -P ${PROJECT_SOURCE_DIR}/cmake/ManPageFromHelp.cmake
  DEPENDS solune300ctl ${PROJECT_SOURCE_DIR}/cmake/ManPageFromHelp.cmake
  COMMENT "Writing the solune300ctl manual page from its --help"
  VERBATIM)
add_custom_target(solune_man_page ALL DEPENDS ${man_page})
install(FILES ${man_page} DESTINATION share/man/man1)
