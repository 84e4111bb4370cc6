# Compiler settings every target of ours links.
add_library(tallivo_common_cfg INTERFACE)
target_compile_features(tallivo_common_cfg INTERFACE cxx_std_20)
if(MSVC)
    target_compile_options(tallivo_common_cfg INTERFACE /W4 /permissive-)
else()
    target_compile_options(tallivo_common_cfg INTERFACE -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor)
endif()
target_compile_definitions(tallivo_common_cfg INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS)
