# Commands of the act-standin tool: sample generator, CSV import and export, state commands.
target_sources(tallivo_standin PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ContactExporter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ContactImporter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ContactInserter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CsvReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CsvWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatabaseCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DeterministicRandom.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PendingFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordIds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SampleGenerator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandinCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StateCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolMessages.cpp
)
