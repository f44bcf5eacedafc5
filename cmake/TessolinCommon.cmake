# One interface target carries the warning flags and Qt strictness defines
# for every target of the project.
add_library(tessolin_common INTERFACE)
target_compile_options(tessolin_common INTERFACE -Wall -Wextra)
if(TESSOLIN_WERROR)
    target_compile_options(tessolin_common INTERFACE -Werror)
endif()
target_compile_definitions(tessolin_common INTERFACE
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_DISABLE_DEPRECATED_UP_TO=0x060000
    $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)

if(TESSOLIN_SANITIZE)
    target_compile_options(tessolin_common INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(tessolin_common INTERFACE -fsanitize=address,undefined)
endif()

# Coverage-guided fuzz targets (clang with libFuzzer): instrument everything,
# the fuzz executables then link libFuzzer's driver.
option(TESSOLIN_FUZZ "Build the libFuzzer targets under fuzz/ (needs clang)" OFF)
if(TESSOLIN_FUZZ)
    # A finding stops the run at once, so every report is a crash the
    # fuzzer keeps as an input.
    target_compile_options(tessolin_common INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_link_options(tessolin_common INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
