target_sources(tallivo_standin_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ToolTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SampleGeneratorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CsvReaderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CsvWriterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ContactImporterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinCommandsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StateCommandsTest.cpp
)
