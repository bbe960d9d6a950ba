# Runs at install time: writes the menu entry and the user service with the installed
# program's absolute path, and installs them (DESTDIR and the install manifest honoured).
set(exe "${CMAKE_INSTALL_PREFIX}/${TRELVIX_BINDIR}/trelvix")
if(IS_ABSOLUTE "${TRELVIX_BINDIR}")
  set(exe "${TRELVIX_BINDIR}/trelvix")
endif()
set(TRELVIX_EXEC "${exe}")
if(exe MATCHES "[ \"'\\\\$`]")
  string(REGEX REPLACE "([\"\\\\$`])" "\\\\\\1" quoted "${exe}")
  set(TRELVIX_EXEC "\"${quoted}\"")
endif()
configure_file("${TRELVIX_DESKTOP_DIR}/${TRELVIX_ID}.desktop.in"
               "${TRELVIX_STAGE}/${TRELVIX_ID}.desktop" @ONLY)
configure_file("${TRELVIX_DESKTOP_DIR}/trelvix.service.in" "${TRELVIX_STAGE}/trelvix.service"
               @ONLY)
file(INSTALL "${TRELVIX_STAGE}/${TRELVIX_ID}.desktop"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/${TRELVIX_DATADIR}/applications")
file(INSTALL "${TRELVIX_STAGE}/trelvix.service"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/systemd/user")
