# add_program(NAME SOURCES...): the program's own code as the object library NAME_program (which
# tests and tools link too), and the executable NAME built from it, common/ and the entry (on
# Windows with its icon and version information), installed by install_program.
function(add_program name)
    add_library(${name}_program OBJECT ${ARGN})
    target_link_libraries(${name}_program PUBLIC common)
    target_include_directories(${name}_program PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    add_executable(${name} ${PROJECT_SOURCE_DIR}/common/winmain.cpp)
    target_link_libraries(${name} PRIVATE ${name}_program common platform_entry)
    if(WIN32)
        set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
        add_windows_resources(${name})
    endif()
    install_program(${name})
    # In the browser, NAME-study is the program with the frame inspector, for its study page.
    if(EMSCRIPTEN)
        add_executable(${name}-study ${PROJECT_SOURCE_DIR}/common/winmain.cpp)
        target_link_libraries(${name}-study PRIVATE ${name}_program common inspecting_entry)
    endif()
endfunction()
