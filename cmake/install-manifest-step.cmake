# One step of keeping the install's list in the prefix, run by `cmake --install` (see
# InstallManifest.cmake). INSTALL_MANIFEST_STEP is begin or end; INSTALL_MANIFEST is the list's
# path under the prefix; INSTALL_BUILD_DIR the build tree, whose install scripts name the folders
# that the install writes to.
#
# begin: notes which of those folders and their parents exist already, and which of them an
# earlier install into this prefix made (its list says so). end: writes the list, one entry a line:
# "f PATH" for each file and link installed (the list too), then "d PATH" for each folder the
# install made, deepest first, which uninstalling removes where empty. Paths leave out DESTDIR.
# Install scripts run with CMake's oldest policies; this file's own are the project's.
cmake_policy(VERSION 3.25)
set(_manifest_prefix "${CMAKE_INSTALL_PREFIX}")
set(_manifest_file "$ENV{DESTDIR}${INSTALL_MANIFEST}")

# _manifest_parents(PATH OUT): the folders from PATH up to, but not counting, the prefix.
function(_manifest_parents path out)
    set(folders)
    string(LENGTH "${_manifest_prefix}/" length)
    string(SUBSTRING "${path}/" 0 ${length} start)
    while(start STREQUAL "${_manifest_prefix}/" AND NOT path STREQUAL _manifest_prefix)
        list(APPEND folders "${path}")
        get_filename_component(path "${path}" DIRECTORY)
        string(SUBSTRING "${path}/" 0 ${length} start)
    endwhile()
    set(${out} "${folders}" PARENT_SCOPE)
endfunction()

if(INSTALL_MANIFEST_STEP STREQUAL begin)
    set(_manifest_existing)
    set(_manifest_made_before)
    # The build tree's install script and those it includes, one a folder with install rules.
    set(_manifest_scripts "${INSTALL_BUILD_DIR}/cmake_install.cmake")
    while(_manifest_scripts)
        list(POP_FRONT _manifest_scripts _manifest_script)
        file(STRINGS "${_manifest_script}" _manifest_included
            REGEX "include\\(\"[^\"]*/cmake_install\\.cmake\"\\)")
        list(TRANSFORM _manifest_included REPLACE ".*include\\(\"([^\"]*)\"\\).*" "\\1")
        list(APPEND _manifest_scripts ${_manifest_included})
        file(STRINGS "${_manifest_script}" _manifest_lines
            REGEX "DESTINATION \"\\\${CMAKE_INSTALL_PREFIX}/[^\"]*\"")
        foreach(_manifest_line IN LISTS _manifest_lines)
            string(REGEX REPLACE ".*DESTINATION \"\\\${CMAKE_INSTALL_PREFIX}/([^\"]*)\".*" "\\1"
                _manifest_folder "${_manifest_line}")
            _manifest_parents("${_manifest_prefix}/${_manifest_folder}" _manifest_folders)
            foreach(_manifest_folder IN LISTS _manifest_folders)
                if(IS_DIRECTORY "$ENV{DESTDIR}${_manifest_folder}")
                    list(APPEND _manifest_existing "${_manifest_folder}")
                endif()
            endforeach()
        endforeach()
    endwhile()
    if(EXISTS "${_manifest_file}")
        file(STRINGS "${_manifest_file}" _manifest_made_before REGEX "^d ")
        list(TRANSFORM _manifest_made_before REPLACE "^d " "")
    endif()
elseif(INSTALL_MANIFEST_STEP STREQUAL end)
    # CMake's own list leaves out DESTDIR already.
    set(_manifest_files "${CMAKE_INSTALL_MANIFEST_FILES}" "${INSTALL_MANIFEST}")
    list(REMOVE_DUPLICATES _manifest_files)
    set(_manifest_made)
    foreach(_manifest_path IN LISTS _manifest_files)
        get_filename_component(_manifest_folder "${_manifest_path}" DIRECTORY)
        _manifest_parents("${_manifest_folder}" _manifest_folders)
        foreach(_manifest_folder IN LISTS _manifest_folders)
            if(NOT _manifest_folder IN_LIST _manifest_existing
                    OR _manifest_folder IN_LIST _manifest_made_before)
                list(APPEND _manifest_made "${_manifest_folder}")
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES _manifest_made)
    list(SORT _manifest_made ORDER DESCENDING)
    list(TRANSFORM _manifest_files PREPEND "f ")
    list(TRANSFORM _manifest_made PREPEND "d ")
    list(APPEND _manifest_files ${_manifest_made})
    list(JOIN _manifest_files "\n" _manifest_text)
    message(STATUS "Installing: ${_manifest_file}")
    file(WRITE "${_manifest_file}" "${_manifest_text}\n")
else()
    message(FATAL_ERROR
        "INSTALL_MANIFEST_STEP must be begin or end, not \"${INSTALL_MANIFEST_STEP}\"")
endif()
