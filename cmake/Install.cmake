# Installation into the usual places of a Linux desktop, and the Debian package built from it.
# The program finds its shipped data beside itself in the build tree and in
# ../share/trelvix relative to itself once installed.

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(TRELVIX_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)
set(TRELVIX_ID org.trelvix.Trelvix)

install(TARGETS trelvix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/media/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/trelvix/media)
install(FILES ${TRELVIX_DESKTOP_DIR}/${TRELVIX_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${TRELVIX_DESKTOP_DIR}/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TRELVIX_ID}.png)
endforeach()
install(FILES ${TRELVIX_DESKTOP_DIR}/${TRELVIX_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual page and changelog compressed reproducibly (no name, no time stamp), as Debian wants.
set(TRELVIX_DOC_OUT ${CMAKE_BINARY_DIR}/install-docs)
add_custom_command(OUTPUT ${TRELVIX_DOC_OUT}/trelvix.1.gz ${TRELVIX_DOC_OUT}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TRELVIX_DOC_OUT}
  COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${TRELVIX_DESKTOP_DIR}/trelvix.1
          ${TRELVIX_DOC_OUT}/trelvix.1.gz
  COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${TRELVIX_DESKTOP_DIR}/changelog
          ${TRELVIX_DOC_OUT}/changelog.gz
  DEPENDS ${TRELVIX_DESKTOP_DIR}/trelvix.1 ${TRELVIX_DESKTOP_DIR}/changelog
  VERBATIM)
add_custom_target(trelvix_docs ALL
  DEPENDS ${TRELVIX_DOC_OUT}/trelvix.1.gz ${TRELVIX_DOC_OUT}/changelog.gz)
install(FILES ${TRELVIX_DOC_OUT}/trelvix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TRELVIX_DOC_OUT}/changelog.gz ${TRELVIX_DESKTOP_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The menu entry and the user service start the program by its absolute path, which is known
# only at install time (cmake --install --prefix, or the package's /usr).
install(CODE "
  set(TRELVIX_DESKTOP_DIR \"${TRELVIX_DESKTOP_DIR}\")
  set(TRELVIX_ID \"${TRELVIX_ID}\")
  set(TRELVIX_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(TRELVIX_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  set(TRELVIX_STAGE \"${CMAKE_BINARY_DIR}/install-launchers\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/InstallLaunchers.cmake\")
")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelvix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CONTACT "Trelvix maintainers <maintainers@trelvix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "video surveillance for the cameras of this computer")
# The long description; CPack indents it and writes its empty line as Debian's " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Trelvix shows the live picture of every camera of the computer in one grid,
records continuously or on motion, stamps a caption and the time into the
picture, uploads pictures to an FTP server, broadcasts the live picture to
network viewers and keeps a daily event log with a viewer and player.

It also runs without a window as a service of the user session
(systemctl --user enable --now trelvix).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Staged through DESTDIR, so the install-time launchers see the real prefix, not the stage.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links come from dpkg-shlibdeps; the run-time plug-ins it loads
# (capture, decoding, playback) and the fonts it draws with are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, \
gstreamer1.0-plugins-ugly, gstreamer1.0-libav, libqt6multimedia6, fonts-dejavu-core, \
fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, fonts-tlwg-loma-otf | fonts-thai-tlwg")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ffmpeg")
include(CPack)
