# target_sources(tallivo_standin_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/...)
