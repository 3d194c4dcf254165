# Where `cmake --install` puts things. texcross loads its images from its executable's folder (a
# link's target folder), so the programs, the capture tools and the images share a folder of their
# own, and bin/ holds relative links to the executables. On Windows they all go to the top folder.
include(GNUInstallDirs)

if(WIN32)
    set(PROGRAM_INSTALL_DIR .)
    set(DOC_INSTALL_DIR .)
else()
    set(PROGRAM_INSTALL_DIR ${CMAKE_INSTALL_LIBEXECDIR}/${PROJECT_NAME})
    set(DOC_INSTALL_DIR ${CMAKE_INSTALL_DOCDIR})
endif()

# install_program(TARGET): the executable into the program folder, and its link into bin/.
function(install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${PROGRAM_INSTALL_DIR})
    if(WIN32)
        return()
    endif()
    set(name ${target}${CMAKE_EXECUTABLE_SUFFIX})
    file(RELATIVE_PATH link_target /prefix/${CMAKE_INSTALL_BINDIR}
        /prefix/${PROGRAM_INSTALL_DIR}/${name})
    set(link ${PROJECT_BINARY_DIR}/bin-links/${name})
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/bin-links)
    file(CREATE_LINK ${link_target} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
