# What an installation holds, and the Debian package CPack builds from it (scripts/package.sh).
# The programs and the data they find "beside the program" share one folder, lib/tarvolink; the
# commands on the PATH are links into it. That folder is read-only once installed, so the programs
# then keep the user's files in the user's data folder (devicefiles/apppaths).
set(TARVOLINK_INSTALL_DIR lib/tarvolink)

install(TARGETS tarvolink tarvolink-cli tarvolink-sim RUNTIME DESTINATION ${TARVOLINK_INSTALL_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/configData ${PROJECT_SOURCE_DIR}/data/csv_file
    DESTINATION ${TARVOLINK_INSTALL_DIR} PATTERN ".keep" EXCLUDE)
install(FILES ${TARVOLINK_BIN_DIR}/UserGuideTarvolink.pdf ${PROJECT_SOURCE_DIR}/data/desktop/tarvolink.installed
    DESTINATION ${TARVOLINK_INSTALL_DIR})

set(links_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${links_dir})
foreach(program tarvolink tarvolink-cli tarvolink-sim)
    file(CREATE_LINK ../${TARVOLINK_INSTALL_DIR}/${program} ${links_dir}/${program} SYMBOLIC)
    install(FILES ${links_dir}/${program} DESTINATION bin)
endforeach()

# The desktop: launcher, AppStream description, file types and the icon in the hicolor sizes.
set(desktop ${PROJECT_SOURCE_DIR}/data/desktop)
configure_file(${desktop}/org.tarvolink.Tarvolink.metainfo.xml
    ${CMAKE_BINARY_DIR}/desktop/org.tarvolink.Tarvolink.metainfo.xml @ONLY)
install(FILES ${desktop}/org.tarvolink.Tarvolink.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/desktop/org.tarvolink.Tarvolink.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop}/tarvolink-mime.xml DESTINATION share/mime/packages RENAME tarvolink.xml)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${desktop}/icons/${size}x${size}/tarvolink.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${desktop}/icons/scalable/tarvolink.svg DESTINATION share/icons/hicolor/scalable/apps)

# The manual pages, written from each program's own --help texts.
set(manpages)
foreach(entry "tarvolink|commission and service variable-speed drives"
        "tarvolink-cli|commission and service variable-speed drives from a shell"
        "tarvolink-sim|simulated variable-speed drives on Modbus TCP or RTU")
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 program)
    list(GET parts 1 summary)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/make-manpage.sh $<TARGET_FILE:${program}> ${page} ${summary}
        COMMAND gzip -9nf ${page}
        DEPENDS ${program} ${PROJECT_SOURCE_DIR}/scripts/make-manpage.sh
        COMMENT "Writing the manual page of ${program}" VERBATIM)
    list(APPEND manpages ${page}.gz)
endforeach()
add_custom_target(tarvolink_manpage ALL DEPENDS ${manpages})
install(FILES ${manpages} DESTINATION share/man/man1)

install(FILES ${desktop}/copyright DESTINATION share/doc/tarvolink)
set(changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
    COMMAND gzip -9nc ${desktop}/changelog > ${changelog}
    DEPENDS ${desktop}/changelog VERBATIM)
add_custom_target(tarvolink_changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION share/doc/tarvolink)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvolink)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvolink")
set(CPACK_PACKAGE_CONTACT "Tarvolink developers <developers@tarvolink.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "commissioning and service tool for variable-speed drives")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Reads, edits and writes the parameters of variable-speed drives over Modbus RTU\n(RS232/RS485) and Modbus TCP, records their signals with an oscilloscope, shows\nstatus, alerts and trip logs, runs the motor from a control panel, scans for\ndrives and downloads device description files. With tarvolink-cli for scripts\nand tarvolink-sim, a drive simulator.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's own texts (buttons, file dialog) in the chosen language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qttranslations5-l10n)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
