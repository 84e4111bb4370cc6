# Times the stand-in's contact table through the automation interface; bench/act_bench runs it beside sqlite3.
add_executable(act_bench_walk ${CMAKE_CURRENT_LIST_DIR}/act_bench_walk.cpp)
target_link_libraries(act_bench_walk PRIVATE tallivo_standin tallivo_common_cfg)
