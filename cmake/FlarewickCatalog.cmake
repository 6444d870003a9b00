# The English catalog: po/en.po compiled with msgfmt into the build folder's
# locale/en/LC_MESSAGES/ (where the program looks beside itself) and installed
# under share/locale/.
find_program(FW_MSGFMT msgfmt REQUIRED)
set(FW_CATALOG_MO ${CMAKE_BINARY_DIR}/locale/en/LC_MESSAGES/flarewick.mo)
add_custom_command(
  OUTPUT ${FW_CATALOG_MO}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/locale/en/LC_MESSAGES
  COMMAND ${FW_MSGFMT} -c --check-format -o ${FW_CATALOG_MO} ${CMAKE_SOURCE_DIR}/po/en.po
  DEPENDS ${CMAKE_SOURCE_DIR}/po/en.po
  COMMENT "Compiling the English catalog"
  VERBATIM)
add_custom_target(flarewick_catalog ALL DEPENDS ${FW_CATALOG_MO})
install(FILES ${FW_CATALOG_MO} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/en/LC_MESSAGES)
