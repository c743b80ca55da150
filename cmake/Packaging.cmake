# Install rules and the Debian package (`cpack -G DEB` in the build folder).
include(GNUInstallDirs)

install(TARGETS tandarel-analyse RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TANDAREL_WIDGETS)
  install(TARGETS tandarel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(TANDAREL_WIDGETS AND UNIX AND NOT APPLE)
  set(linux_dir "${PROJECT_SOURCE_DIR}/packaging/linux")
  set(out_dir "${PROJECT_BINARY_DIR}/packaging")
  configure_file("${linux_dir}/tandarel.desktop.in" "${out_dir}/${TANDAREL_APP_ID}.desktop" @ONLY)
  configure_file("${linux_dir}/tandarel.metainfo.xml.in" "${out_dir}/${TANDAREL_APP_ID}.metainfo.xml" @ONLY)
  install(FILES "${out_dir}/${TANDAREL_APP_ID}.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES "${out_dir}/${TANDAREL_APP_ID}.metainfo.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES "${linux_dir}/tandarel.svg" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME "${TANDAREL_APP_ID}.svg")

  # Manual pages, compressed as Debian keeps them.
  set(manuals)
  foreach(page tandarel.1 tandarel-analyse.1)
    add_custom_command(OUTPUT "${out_dir}/${page}.gz"
                       COMMAND gzip -9 -n -c "${linux_dir}/${page}" > "${out_dir}/${page}.gz"
                       DEPENDS "${linux_dir}/${page}" VERBATIM)
    list(APPEND manuals "${out_dir}/${page}.gz")
  endforeach()
  install(FILES ${manuals} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  # The bitmap icons are drawn from the SVG, which stays the only source.
  find_program(RSVG_CONVERT rsvg-convert)
  set(icons)
  if(RSVG_CONVERT)
    foreach(size 16 24 32 48 64 128 256)
      set(png "${out_dir}/icons/${size}x${size}/${TANDAREL_APP_ID}.png")
      add_custom_command(OUTPUT "${png}"
                         COMMAND "${CMAKE_COMMAND}" -E make_directory "${out_dir}/icons/${size}x${size}"
                         COMMAND "${RSVG_CONVERT}" -w ${size} -h ${size} -o "${png}" "${linux_dir}/tandarel.svg"
                         DEPENDS "${linux_dir}/tandarel.svg" VERBATIM)
      list(APPEND icons "${png}")
      install(FILES "${png}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
  else()
    message(STATUS "rsvg-convert not found (librsvg2-bin): the package carries the SVG icon only")
  endif()
  add_custom_target(tandarel_desktop_files ALL DEPENDS ${manuals} ${icons})
endif()

set(CPACK_PACKAGE_NAME tandarel)
set(CPACK_PACKAGE_VENDOR "Tandarel")
set(CPACK_PACKAGE_CONTACT "Tandarel <tandarel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planification des remplacements des enseignants absents")
# Lines of the package's long description, as dpkg shows them.
set(CPACK_PACKAGE_DESCRIPTION [[
Tandarel tient, semaine par semaine, le planning des personnels remplaçants
d'une circonscription scolaire, garde les listes des remplaçants et des
écoles, imprime la semaine et analyse les remplacements et les
non-remplacements sur une période. tandarel-analyse fait les mêmes analyses
en ligne de commande.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries come from dpkg-shlibdeps; Qt loads its platform plugin at run time, so that one is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own dialogs in French, and the font the windows' fixed layouts were drawn for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
include(CPack)
