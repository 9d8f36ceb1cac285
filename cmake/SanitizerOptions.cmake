# Every executable of the build gets SanitizerOptions.cpp, the runtime options it starts with.
# Included last, when every target exists.
function(drev_add_sanitizer_options dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/SanitizerOptions.cpp)
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory ${subdirectories})
        drev_add_sanitizer_options(${subdirectory})
    endforeach()
endfunction()

drev_add_sanitizer_options(${PROJECT_SOURCE_DIR})
