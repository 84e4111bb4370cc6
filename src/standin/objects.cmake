# Automation objects over the database file.
target_sources(tallivo_standin PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/StandinBackend.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinApplication.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinViews.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinDatabase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinContactTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinContactCursor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinFieldList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinUsersTable.cpp
)
