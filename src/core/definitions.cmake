# The report definition file, 8-bit text and the data file writer (the report grid is in run.cmake).
target_sources(tallivo_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/definition/DefinitionFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/definition/DefinitionText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/DataFileWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text/EightBitText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text/SaveFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text/Windows1252.cpp
)
