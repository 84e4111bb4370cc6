target_sources(tallivo_standin PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AtomicWrite.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StateFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileLock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LookupFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClientRegistry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinAuxCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinEventControl.cpp
)
