# Settings shared by every target of the project, applied per target.

# Every target links only system libraries, so none carries a library search
# path: an empty one would make the loader look in the current directory.
function(eyetrainer_target_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF AUTOMOC ON)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
        # Hardened as Debian builds its own packages; the checks need the
        # optimiser, and an unoptimised build warns that they are off.
        target_compile_definitions(${target} PRIVATE
            $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    elseif(MSVC)
        target_compile_options(${target} PRIVATE /W4 /utf-8)
    endif()
    # Read-only relocations are an ELF linker's feature.
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT APPLE AND NOT WIN32)
        target_link_options(${target} PRIVATE LINKER:-z,relro LINKER:-z,now)
    endif()
    if(EYETRAINER_SANITIZE)
        set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_compile_options(${target} PRIVATE ${sanitizers})
        target_link_options(${target} PRIVATE ${sanitizers})
    endif()
endfunction()

# What every test sees: headless tests run on Qt's offscreen platform at
# scale 1, so pixels are the same on every machine; under the sanitizers,
# the first fault fails the test and leaks in system libraries are let be.
# A failing test leaves what shows why in Testing/TEST in the build tree,
# named in EYETRAINER_TEST_OUTPUT.
#   eyetrainer_test_environment(TEST [ONSCREEN] [SCALE factor] [SCREEN_SCALE factor] [ENVIRONMENT VAR=value...])
# SCALE and SCREEN_SCALE run it at another scale, set as QT_SCALE_FACTOR or
# as the screen's own factor.
function(eyetrainer_test_environment name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "ONSCREEN" "SCALE;SCREEN_SCALE" "ENVIRONMENT")
    set(environment ${arg_ENVIRONMENT} EYETRAINER_TEST_OUTPUT=${PROJECT_BINARY_DIR}/Testing/${name})
    if(arg_SCREEN_SCALE)
        list(APPEND environment QT_QPA_PLATFORM=offscreen QT_SCREEN_SCALE_FACTORS=${arg_SCREEN_SCALE})
    elseif(arg_SCALE)
        list(APPEND environment QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=${arg_SCALE})
    elseif(NOT arg_ONSCREEN)
        list(APPEND environment QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1)
    endif()
    # A runtime folder in the build tree for the headless tests, where Qt
    # would make one in /tmp and leave it; the sessions bring their own.
    if(NOT arg_ONSCREEN)
        set(runtime ${PROJECT_BINARY_DIR}/Testing/runtime)
        file(MAKE_DIRECTORY ${runtime})
        file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
        list(APPEND environment XDG_RUNTIME_DIR=${runtime})
    endif()
    if(EYETRAINER_SANITIZE)
        list(APPEND environment
            ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
            UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
            LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()

# The command that runs what follows it on an X server of its own
# (scripts/x-session), under openbox with WINDOW_MANAGER or under the window
# manager MANAGED_BY names, with a private session bus with BUSES, on a
# screen of SCREEN pixels.
#   eyetrainer_x_session(VARIABLE [WINDOW_MANAGER] [MANAGED_BY name] [BUSES] [SCREEN WxH])
function(eyetrainer_x_session variable)
    cmake_parse_arguments(PARSE_ARGV 1 arg "WINDOW_MANAGER;BUSES" "SCREEN;MANAGED_BY" "")
    set(session ${PROJECT_SOURCE_DIR}/scripts/x-session)
    if(arg_MANAGED_BY)
        list(APPEND session --wm=${arg_MANAGED_BY})
    elseif(arg_WINDOW_MANAGER)
        list(APPEND session --wm)
    endif()
    if(arg_BUSES)
        list(APPEND session --buses)
    endif()
    if(arg_SCREEN)
        list(APPEND session --screen ${arg_SCREEN})
    endif()
    set(${variable} ${session} -- PARENT_SCOPE)
endfunction()

# A Qt Test program registered with CTest.
#   eyetrainer_add_test(NAME SOURCES file... LIBRARIES target... [ONSCREEN] [X_SESSION [WINDOW_MANAGER] [SCREEN WxH]] [TIMEOUT s] [BUILD_ONLY])
# ONSCREEN leaves the platform alone, for a test that brings its own display.
# BUILD_ONLY builds the program for tests that the caller registers.
# X_SESSION runs the whole program on an X server of its own, under openbox
# with WINDOW_MANAGER, on a screen of SCREEN pixels (scripts/x-session).
function(eyetrainer_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "ONSCREEN;X_SESSION;WINDOW_MANAGER;BUILD_ONLY" "TIMEOUT;SCREEN" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    eyetrainer_target_defaults(${name})
    target_link_libraries(${name} PRIVATE Qt6::Test ${arg_LIBRARIES})
    # From Qt 6.8 on, the QTRY_* macros narrow their std::chrono timeouts to
    # int inside the test's own code, where no option of ours can reach.
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND Qt6_VERSION VERSION_GREATER_EQUAL 6.8)
        target_compile_options(${name} PRIVATE -Wno-conversion)
    endif()
    if(arg_BUILD_ONLY)
        return()
    endif()
    if(arg_X_SESSION)
        set(session_options)
        if(arg_WINDOW_MANAGER)
            list(APPEND session_options WINDOW_MANAGER)
        endif()
        if(arg_SCREEN)
            list(APPEND session_options SCREEN ${arg_SCREEN})
        endif()
        eyetrainer_x_session(session ${session_options})
        add_test(NAME ${name} COMMAND ${session} $<TARGET_FILE:${name}>)
        set(arg_ONSCREEN ON)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    if(arg_ONSCREEN)
        eyetrainer_test_environment(${name} ONSCREEN)
    else()
        eyetrainer_test_environment(${name})
    endif()
    if(arg_TIMEOUT)
        set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT})
    endif()
endfunction()
