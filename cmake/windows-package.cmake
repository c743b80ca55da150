# Windows: the two programs in one folder with the Qt libraries, plugins and translations they need
# (windeployqt, run at install time), packed as a zip and, when NSIS is installed, as an installer.
#   cmake --install build --prefix C:/Tandarel      a folder that runs on a computer without Qt
#   cd build && cpack                               Tandarel-<version>-win64.zip (and .exe)
if(NOT WIN32 OR NOT TANDAREL_WIDGETS)
  return()
endif()

include(GNUInstallDirs)
install(TARGETS tandarel tandarel-analyse RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(Qt6_VERSION VERSION_GREATER_EQUAL 6.5)
  qt_generate_deploy_app_script(TARGET tandarel OUTPUT_SCRIPT tandarel_deploy_script)
else()
  qt_generate_deploy_app_script(TARGET tandarel FILENAME_VARIABLE tandarel_deploy_script)
endif()
install(SCRIPT ${tandarel_deploy_script})
# The compiler's runtime: windeployqt copies MinGW's; this copies Visual C++'s.
set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION ${CMAKE_INSTALL_BINDIR})
include(InstallRequiredSystemLibraries)

set(CPACK_PACKAGE_NAME Tandarel)
set(CPACK_PACKAGE_VENDOR Tandarel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Planification des personnels remplaçants")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tandarel)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_GENERATOR ZIP)
find_program(TANDAREL_MAKENSIS makensis)
if(TANDAREL_MAKENSIS)
  list(APPEND CPACK_GENERATOR NSIS)
endif()
# The program keeps its data in the folder it starts in, and the installation folder is not
# writable: the Start menu entry, the installing user's, starts it in Documents\Tandarel.
set(CPACK_NSIS_DISPLAY_NAME Tandarel)
set(CPACK_NSIS_INSTALLED_ICON_NAME "${CMAKE_INSTALL_BINDIR}\\tandarel.exe")
set(CPACK_NSIS_CREATE_ICONS_EXTRA "
  SetShellVarContext current
  CreateDirectory '$DOCUMENTS\\Tandarel'
  CreateDirectory '$SMPROGRAMS\\$STARTMENU_FOLDER'
  SetOutPath '$DOCUMENTS\\Tandarel'
  CreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\Tandarel.lnk' '$INSTDIR\\${CMAKE_INSTALL_BINDIR}\\tandarel.exe'
  SetOutPath '$INSTDIR'")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "
  SetShellVarContext current
  Delete '$SMPROGRAMS\\$MUI_TEMP\\Tandarel.lnk'
  RMDir '$SMPROGRAMS\\$MUI_TEMP'")
include(CPack)
