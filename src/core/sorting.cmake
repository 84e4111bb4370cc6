# Grid sorting and the regional reader of date and number cells.
target_sources(tallivo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/run/AsciiCollation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/ByteKeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/CellValues.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/CollatedTextKeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/FoldedText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/GridSorter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/ParallelRanges.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/RegionalReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/RowOrder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/TextOrder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/TextScanner.cpp
)
