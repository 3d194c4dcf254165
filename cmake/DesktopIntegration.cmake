# What the desktops and Debian expect beside the executables, installed on Linux: each program's
# menu entry, its icons in the hicolor theme, its AppStream metadata and its manual page, the
# capture tools' manual pages, and beside the README the copyright in Debian's machine-readable
# form and the changelog. Manual pages and the changelog are installed gzipped the way Debian
# wants them: at the highest level, without the file's name and time (gzip -9n).
set(PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)

file(STRINGS ${PACKAGING_DIR}/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog must start with an entry for ${PROJECT_VERSION}, not: "
        "${newest}")
endif()
configure_file(${PACKAGING_DIR}/changelog ${generated}/changelog COPYONLY)

set(gzipped ${generated}/changelog.gz)
add_custom_command(OUTPUT ${generated}/changelog.gz
    COMMAND gzip -9nkf ${generated}/changelog
    DEPENDS ${generated}/changelog VERBATIM)

foreach(program boxring texcross)
    configure_file(${PACKAGING_DIR}/${program}.6.in ${generated}/${program}.6 @ONLY)
    add_custom_command(OUTPUT ${generated}/${program}.6.gz
        COMMAND gzip -9nkf ${generated}/${program}.6
        DEPENDS ${generated}/${program}.6 VERBATIM)
    set(tool ${program}-capture)
    add_custom_command(OUTPUT ${generated}/${tool}.1.gz
        COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:${tool}> -DNAME=${tool}
            -DVERSION=${PROJECT_VERSION} -DOUT=${generated}/${tool}.1
            -P ${PROJECT_SOURCE_DIR}/cmake/capture-man-page.cmake
        COMMAND gzip -9nf ${generated}/${tool}.1
        DEPENDS ${tool} ${PROJECT_SOURCE_DIR}/cmake/capture-man-page.cmake VERBATIM)
    list(APPEND gzipped ${generated}/${program}.6.gz ${generated}/${tool}.1.gz)

    install(FILES ${PACKAGING_DIR}/${program}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size 48 128 256)
        install(FILES ${PACKAGING_DIR}/icons/${program}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${program}.png)
    endforeach()
    install(FILES ${PACKAGING_DIR}/invalid.boxring_texcross.${program}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${generated}/${program}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    install(FILES ${generated}/${tool}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

add_custom_target(gzipped_documents ALL DEPENDS ${gzipped})
install(FILES ${PACKAGING_DIR}/copyright ${generated}/changelog.gz DESTINATION ${DOC_INSTALL_DIR})
