target_sources(tallivo_standin_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/StateFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinAuxCommandsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinEventControlTest.cpp
)
