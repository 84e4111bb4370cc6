target_sources(tallivo_gui_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainStartupTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainMenusTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainShutdownTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainRunTest.cpp
)
