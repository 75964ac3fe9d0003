# The version as the program shows it: the major number, a point and the
# minor number in two digits ("1.00", "1.01", "1.10"), then the patch level
# only when there is one ("1.00.3"). The Debian package sorts these in the
# same order as the numbers they stand for.
string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
if(minor_digits EQUAL 1)
    set(minor "0${PROJECT_VERSION_MINOR}")
elseif(minor_digits EQUAL 2)
    set(minor "${PROJECT_VERSION_MINOR}")
else()
    message(FATAL_ERROR "the minor version ${PROJECT_VERSION_MINOR} does not fit in two digits")
endif()
set(EYETRAINER_VERSION "${PROJECT_VERSION_MAJOR}.${minor}")
if(PROJECT_VERSION_PATCH)
    string(APPEND EYETRAINER_VERSION ".${PROJECT_VERSION_PATCH}")
endif()
