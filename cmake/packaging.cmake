# Installs the program's desktop entry, AppStream metainfo and icon beside it,
# and configures CPack so that `cpack -G DEB` in a build directory makes a
# Debian package.
include(GNUInstallDirs)

if(BRIDGING_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/bridging-demo.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/bridging-demo.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/bridging-demo.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME bridging-demo)
set(CPACK_PACKAGE_VENDOR "Bridging Demo developers")
set(CPACK_PACKAGE_CONTACT "Bridging Demo developers <bridging-demo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop teaching program that animates transparent bridging between network\n"
    "segments: stations send frames, bridges learn where stations are, filter or\n"
    "flood, and a small spanning-tree exchange blocks the bridges that close a loop.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the program links (libc6, libstdc++6, libgcc-s1 and the Qt 6
# core, gui and widgets libraries) come from dpkg-shlibdeps. What it cannot see is
# loaded at run time: the platform plugin that opens the window, and a font.
find_program(BRIDGING_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(BRIDGING_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core | fonts-liberation")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6, libstdc++6, libgcc-s1, libqt6core6, libqt6gui6, libqt6widgets6, "
      "qt6-qpa-plugins, fonts-dejavu-core | fonts-liberation")
  string(JOIN "" CPACK_DEBIAN_PACKAGE_DEPENDS ${CPACK_DEBIAN_PACKAGE_DEPENDS})
endif()

include(CPack)
