target_sources(tallivo_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FieldListHelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListHelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextBoxHelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextBoxValidator.cpp
)
