target_sources(tallivo_standin_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/StandinApplicationTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinBackendTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinContactTableTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinDatabaseTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinFieldListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinUsersTableTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinViewsTest.cpp
)
