# `cmake --install` keeps, beside the installed programs, the list of what it put in the prefix,
# and installs the `uninstall` script that removes exactly that again: the build tree's own
# install_manifest.txt names only the last install from it, which may be cpack's staging. The
# list and the script are the install component `uninstall`, which the packages leave out
# (Packaging.cmake): apt removes a .deb. install_manifest(begin) must come before every other
# install rule and install_manifest(end) after them all.
set(INSTALL_MANIFEST_STEP_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/install-manifest-step.cmake)

# install_manifest(begin|end): the install step that notes, before anything is installed, which
# folders exist already, or the one that writes the list once everything is (and the script).
function(install_manifest step)
    if(step STREQUAL end)
        install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/uninstall.sh
            DESTINATION ${PROGRAM_INSTALL_DIR} RENAME uninstall COMPONENT uninstall)
    endif()
    install(CODE "set(INSTALL_MANIFEST_STEP ${step})
set(INSTALL_MANIFEST \"\${CMAKE_INSTALL_PREFIX}/${PROGRAM_INSTALL_DIR}/install-manifest.txt\")
set(INSTALL_BUILD_DIR \"${PROJECT_BINARY_DIR}\")
include(\"${INSTALL_MANIFEST_STEP_SCRIPT}\")" COMPONENT uninstall)
endfunction()
