# A readme and the licence beside what is installed, and the packages `cpack` makes of it: a
# .tar.gz and a .deb on Linux (the .deb's dependencies read from the executables' libraries by
# dpkg-shlibdeps), a .zip for Windows. PACKAGE_MAINTAINER is the .deb's Maintainer, a name and an
# address; the default is the project's placeholder address under the reserved .invalid domain.
if(WIN32)
    # The .zip's readme is Windows' own: running the programs, where the images go, exit codes.
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows-readme.txt.in
        ${PROJECT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${DOC_INSTALL_DIR})
else()
    install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${DOC_INSTALL_DIR})
endif()

set(PACKAGE_MAINTAINER "boxring-texcross maintainers <maintainers@boxring-texcross.invalid>"
    CACHE STRING "The .deb's Maintainer: Name <address>")
if(NOT PACKAGE_MAINTAINER MATCHES "^[^<>@]*[^<>@ ] <[^<>@ ]+@[^<>@ ]+\\.[^<>@ ]+>$")
    message(FATAL_ERROR
        "PACKAGE_MAINTAINER must read \"Name <address>\", not \"${PACKAGE_MAINTAINER}\"")
endif()

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "the boxring and texcross authors")
set(CPACK_PACKAGE_CONTACT ${PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D demos: lit boxes on a ring, textured cubes in a cross")
# Lines of at most 80 characters, as Debian's descriptions keep to.
set(CPACK_PACKAGE_DESCRIPTION "Two small real-time 3D programs: boxring shows eight lit boxes on a
tumbling ring, texcross five cubes in a tumbling cross, each wearing its own
image. Both appear in the desktop's menu. Also the capture tools that draw
their frames to PNG files or measure their frame rate.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR TGZ DEB)
    # Everything but the install list and the uninstall script (InstallManifest.cmake).
    set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Loaded at run time, so no executable names them: SDL2 loads GLX from libGL, which loads the
    # drivers that draw.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS libgl1)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libgl1-mesa-dri)
endif()

include(CPack)
