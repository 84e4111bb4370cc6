target_sources(tallivo_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/frmTemplateFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../app/frmAbout.cpp
)
# The about box shows the project's version.
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/../app/frmAbout.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS TALLIVO_VERSION="${PROJECT_VERSION}")
