target_sources(tallivo_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/run/GridSorterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/RegionalReaderTest.cpp
)
