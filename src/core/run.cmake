target_sources(tallivo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/run/BatchFrontEnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/BatchOptions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/BatchRun.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/ReportGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/ReportRun.cpp
)
