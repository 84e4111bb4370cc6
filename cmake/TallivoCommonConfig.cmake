# Compiler settings every target of ours links.
add_library(tallivo_common_cfg INTERFACE)
target_compile_features(tallivo_common_cfg INTERFACE cxx_std_20)
if(MSVC)
    target_compile_options(tallivo_common_cfg INTERFACE /W4 /permissive-)
else()
    target_compile_options(tallivo_common_cfg INTERFACE -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor)
endif()
target_compile_definitions(tallivo_common_cfg INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS)

if(TALLIVO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TALLIVO_FUZZ needs clang (CXX=clang++)")
    endif()
    # UBSan stays recoverable so that its suppressions apply; UBSAN_OPTIONS' halt_on_error makes any other report
    # stop the program (fuzz/sanitizers.env).
    target_compile_options(tallivo_common_cfg INTERFACE -fsanitize=address,undefined,fuzzer-no-link
        -fno-omit-frame-pointer)
    target_link_options(tallivo_common_cfg INTERFACE -fsanitize=address,undefined)
endif()
