# Tests of the report definition file, 8-bit text, the report grid and the data file writer.
target_sources(tallivo_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/definition/DefinitionFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/DataFileWriterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run/ReportGridTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text/EightBitTextTest.cpp
)
