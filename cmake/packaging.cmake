# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the program's desktop entry, AppStream metainfo, icon and manual page
# beside it. The Debian package is built from these rules by debian/ (`make
# package`).
include(GNUInstallDirs)

if(BRIDGING_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/bridging-demo.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/bridging-demo.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/bridging-demo.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/bridging-demo.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
