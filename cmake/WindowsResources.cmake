# add_windows_resources(NAME): compiles the program's icon and version information
# (packaging/program.rc.in) with windres into the Windows executable NAME.
set(boxring_WINDOWS_DESCRIPTION "DirectX lighting boxes")
set(texcross_WINDOWS_DESCRIPTION "DirectX textures")

function(add_windows_resources name)
    set(NAME ${name})
    set(DESCRIPTION ${${name}_WINDOWS_DESCRIPTION})
    set(ICON ${PROJECT_SOURCE_DIR}/packaging/icons/${name}.ico)
    set(VERSION_COMMAS
        ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/program.rc.in ${rc} @ONLY)
    target_sources(${name} PRIVATE ${rc})
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${ICON})
endfunction()
