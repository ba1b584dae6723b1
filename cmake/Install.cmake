# Installation under a prefix and the Debian package.
#   <prefix>/bin/veltrane-video-converter
#   <prefix>/share/veltrane-video-converter/   icon, style sheet, help, pictures (ResourceFolder)
#   <prefix>/share/applications/ metainfo/ icons/hicolor/   desktop integration
#   <prefix>/share/doc/veltrane-video-converter/   copyright, changelog.gz
#   <prefix>/share/man/man1/   both programs' manual pages (from src/app and src/cli)
include(GNUInstallDirs)

set(VELTRANE_APP_ID com.veltranesoftware.VideoConverter)
set(VELTRANE_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)

install(TARGETS veltrane-video-converter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/veltrane-video-converter
  PATTERN desktop EXCLUDE)
install(FILES ${VELTRANE_DESKTOP_DIR}/${VELTRANE_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELTRANE_DESKTOP_DIR}/${VELTRANE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
file(GLOB VELTRANE_ICON_SIZES RELATIVE ${VELTRANE_DESKTOP_DIR}/icons ${VELTRANE_DESKTOP_DIR}/icons/*)
foreach(size IN LISTS VELTRANE_ICON_SIZES)
  install(FILES ${VELTRANE_DESKTOP_DIR}/icons/${size}/${VELTRANE_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()

# The package's copyright (machine-readable) and changelog, kept in debian/.
set(VELTRANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/veltrane-video-converter)
veltrane_gzip_file(veltrane_changelog ${CMAKE_SOURCE_DIR}/debian/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz
  DESTINATION ${VELTRANE_DOC_DIR})

# Debian package (scripts/package.sh). Dependencies come from the shared libraries the
# program links (dpkg-shlibdeps), not from a hand-kept list of versions.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrane-video-converter)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Veltrane Software")
set(CPACK_PACKAGE_CONTACT "Veltrane Software <support@veltrane-software.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converts video and audio files for phones, players and the web")
# The long description in lines of at most 80 characters, as dpkg shows it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Collects video and audio files in a list that shows each file's type, duration,"
  "picture size and codecs, and converts them into one folder in a general format"
  "or with one of 148 ready-made profiles for phones, tablets, players, consoles"
  "and the web. Size, quality, bitrates, frame rate, crop, rotation and sound can"
  "be adjusted, and a player previews any listed file."
  "."
  "veltrane-convert converts with the same profiles from the command line, for"
  "scripts and batches. All media work is done in process on the FFmpeg libraries.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The AMR-NB encoder that 3GP output needs; fonts that show file names in any script;
# the Wayland platform plugin, so the windows run natively on a Wayland desktop, and
# Qt's own translations of the standard buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libavcodec-extra, fonts-noto-core, fonts-noto-cjk, qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.veltrane-software.com/")
set(CPACK_STRIP_FILES ON)
include(CPack)
