target_sources(tallivo_gui_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/frmAboutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmTemplateFolderTest.cpp
)
