# Contact selection and data extraction into the report grid.
target_sources(tallivo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/run/CellText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/ColumnLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/ContactSelection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/GridFiller.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/MainWindowError.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/UserDirectory.cpp
)
