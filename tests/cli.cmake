# Checks the command lines of the reader and the profile tool: help and
# version answer without a window, mistakes exit 2 with the usage.
# Run as: cmake -DREADER=... -DPROFILE_TOOL=... -P cli.cmake

function(expect label code pattern stream)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err
                    TIMEOUT 20)
    if(NOT "${result}" STREQUAL "${code}")
        message(FATAL_ERROR "${label}: exit ${result}, expected ${code}\nstdout: ${out}\nstderr: ${err}")
    endif()
    if(stream STREQUAL "stdout")
        set(text "${out}")
    else()
        set(text "${err}")
    endif()
    if(NOT text MATCHES "${pattern}")
        message(FATAL_ERROR "${label}: ${stream} lacks \"${pattern}\"\nstdout: ${out}\nstderr: ${err}")
    endif()
endfunction()

# No display: a reader that tried to open a window would fail here.
set(ENV{QT_QPA_PLATFORM} xcb)
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})

expect("tessolin --help" 0 "--app-dir <DIR>" stdout ${READER} --help)
expect("tessolin -h" 0 "--version" stdout ${READER} -h)
expect("tessolin --version" 0 "^Tessolin [0-9]" stdout ${READER} --version)
expect("tessolin unknown option" 2 "Unknown option.*Usage: tessolin" stderr ${READER} --no-such-option)
expect("tessolin --app-dir without a folder" 2 "Missing value" stderr ${READER} --app-dir)
expect("tessolin stray argument" 2 "unexpected argument" stderr ${READER} stray)

foreach(flag --help -h help)
    expect("tessolin-profile ${flag}" 0 "usage: tessolin-profile answer" stdout ${PROFILE_TOOL} ${flag})
endforeach()
expect("tessolin-profile without a command" 2 "usage: tessolin-profile extract" stderr ${PROFILE_TOOL})
expect("tessolin-profile unknown command" 2 "unknown command" stderr ${PROFILE_TOOL} frobnicate)
