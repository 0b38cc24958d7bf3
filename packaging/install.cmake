# Where an installed Tovalo puts its files, and the .deb built from them.
# The program looks for its data beside itself first, then in ../share/tovalo,
# so a build-folder run and an installed one both find them.
include(GNUInstallDirs)

install(TARGETS tovalo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The preview's browser, loaded from ../lib/tovalo beside the program.
install(TARGETS tovalo-browser LIBRARY DESTINATION lib/tovalo)

set(TOVALO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tovalo)
install(FILES ${PROJECT_SOURCE_DIR}/src/resources/tvo.hlp DESTINATION ${TOVALO_DATA_DIR})
if(EXISTS ${PROJECT_SOURCE_DIR}/src/resources/png.bmp)
  install(FILES ${PROJECT_SOURCE_DIR}/src/resources/png.bmp DESTINATION ${TOVALO_DATA_DIR})
endif()
# The help file's pictures.
if(EXISTS ${PROJECT_SOURCE_DIR}/src/resources/help)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/resources/help DESTINATION ${TOVALO_DATA_DIR})
endif()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/tovalo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/src/resources/tovalo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovalo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tovalo developers <tovalo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Source editor for web pages (HTML, CSS, JavaScript) with a Japanese interface")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The debug information would make the package several times larger.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/tovalo")
# Everything the program loads at run time: the Qt libraries it links, the
# platform and SVG plugins it loads, the preview browser's helper process, the
# Japanese translations of Qt's own dialogs and a font that has the kana.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6"
  "libstdc++6"
  "libqt6core6 (>= 6.4)"
  "libqt6gui6 (>= 6.4)"
  "libqt6widgets6 (>= 6.4)"
  "libqt6printsupport6 (>= 6.4)"
  "libqt6webenginecore6 (>= 6.4)"
  "libqt6webenginewidgets6 (>= 6.4)"
  "libqt6webenginecore6-bin (>= 6.4)"
  "libqt6svg6 (>= 6.4)"
  "qt6-qpa-plugins"
  "qt6-translations-l10n"
  "fonts-noto-cjk")
include(CPack)
