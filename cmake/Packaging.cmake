# The README and the licence beside what is installed, and the packages `cpack` makes of it: a
# .tar.gz and a .deb on Linux (the .deb's dependencies read from the executables' libraries by
# dpkg-shlibdeps), a .zip for Windows.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${DOC_INSTALL_DIR})

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "the boxring and texcross authors")
set(CPACK_PACKAGE_CONTACT "the boxring and texcross authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Two small real-time 3D programs: lit boxes on a ring, and textured cubes in a cross")
set(CPACK_PACKAGE_DESCRIPTION
    "boxring shows eight lit boxes on a tumbling ring; texcross five cubes, each wearing its own \
image, in a tumbling cross. Also the capture tools that draw their frames to PNG files. MIT \
licence.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR TGZ DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Loaded at run time, so no executable names them: SDL2 loads GLX from libGL, which loads the
    # drivers that draw.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS libgl1)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libgl1-mesa-dri)
endif()

include(CPack)
