# Settings shared by every target of the project, applied per target.

# Every target links only system libraries, so none carries a library search
# path: an empty one would make the loader look in the current directory.
function(eyetrainer_target_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF AUTOMOC ON)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    # Hardened as Debian builds its own packages.
    target_compile_definitions(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    target_link_options(${target} PRIVATE LINKER:-z,relro LINKER:-z,now)
endfunction()

# A Qt Test program registered with CTest. Headless tests run on Qt's
# offscreen platform at scale 1, so pixels are the same on every machine.
#   eyetrainer_add_test(NAME SOURCES file... LIBRARIES target... [ONSCREEN])
# ONSCREEN leaves the platform alone, for a test that brings its own X server.
function(eyetrainer_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "ONSCREEN" "TIMEOUT" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    eyetrainer_target_defaults(${name})
    target_link_libraries(${name} PRIVATE Qt6::Test ${arg_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT arg_ONSCREEN)
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=1")
    endif()
    if(arg_TIMEOUT)
        set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT})
    endif()
endfunction()
