target_sources(tallivo_gui_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FieldListHelpersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListHelpersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextBoxHelpersTest.cpp
)
