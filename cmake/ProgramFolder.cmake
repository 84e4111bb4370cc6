# Lays out the program folder of the build tree, beside the executables: the sample reports in Templates/, the
# stock files of new reports, the launcher placeholders, the user's manual, the icons and the folder "CSV Files".
# Checked-in files under assets/program/ are copied as they are; templates, icons and the manual are made by the
# build tools under tools/.
set(tallivo_program_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(tallivo_program_assets ${PROJECT_SOURCE_DIR}/assets/program)

set(tallivo_sample_excel_reports "Contacts by City" "Contacts by Record Manager")
set(tallivo_sample_csv_reports "Phone List" "Mailing List")

set(tallivo_program_folder_files)

# Makes one file (or folder) of the program folder with COMMAND, again whenever one of DEPENDS changes.
function(tallivo_program_file output)
    cmake_parse_arguments(ARG "" "" "COMMAND;DEPENDS" ${ARGN})
    get_filename_component(folder "${output}" DIRECTORY)
    add_custom_command(OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
        COMMAND ${ARG_COMMAND}
        DEPENDS ${ARG_DEPENDS}
        VERBATIM)
    set(tallivo_program_folder_files ${tallivo_program_folder_files} "${output}" PARENT_SCOPE)
endfunction()

# Copies a checked-in file byte for byte: definitions keep their CR LF and form feeds.
function(tallivo_program_copy relative)
    set(source "${tallivo_program_assets}/${relative}")
    set(target "${tallivo_program_dir}/${relative}")
    tallivo_program_file("${target}" COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${target}" DEPENDS "${source}")
    set(tallivo_program_folder_files ${tallivo_program_folder_files} PARENT_SCOPE)
endfunction()

foreach(file tlv_def.DXL tlv_def.DCS LaunchIt.XLS Launch.XLS)
    tallivo_program_copy(${file})
endforeach()
foreach(report IN LISTS tallivo_sample_csv_reports)
    tallivo_program_copy("Templates/${report}.DCS")
endforeach()

# Excel templates: the blank one of new reports, and each sample's laid out from its definition.
tallivo_program_file("${tallivo_program_dir}/tlv_template.XLT"
    COMMAND make-templates "${tallivo_program_dir}/tlv_template.XLT"
    DEPENDS make-templates)
foreach(report IN LISTS tallivo_sample_excel_reports)
    tallivo_program_copy("Templates/${report}.DXL")
    set(definition "${tallivo_program_assets}/Templates/${report}.DXL")
    set(template "${tallivo_program_dir}/Templates/${report}.XLT")
    tallivo_program_file("${template}"
        COMMAND make-templates "${template}" "${definition}"
        DEPENDS make-templates "${definition}")
endforeach()

# Icons for ACT!'s toolbar (16 and 32 pixels) and a larger one for the window and the manual's cover.
foreach(icon "16;tallivo.ico" "32;tallivo32.ico" "128;tallivo.png")
    list(GET icon 0 size)
    list(GET icon 1 file)
    tallivo_program_file("${tallivo_program_dir}/${file}"
        COMMAND make-icons ${size} "${tallivo_program_dir}/${file}"
        DEPENDS make-icons)
endforeach()

# The manual is laid out with fonts, so its tool runs on a platform: the headless one, with the runtime folder
# that Qt asks for kept in the build tree.
set(manual_source "${PROJECT_SOURCE_DIR}/assets/manual/Tallivo_manual.html")
tallivo_program_file("${tallivo_program_dir}/Tallivo_manual.pdf"
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        "XDG_RUNTIME_DIR=${CMAKE_CURRENT_BINARY_DIR}/build-tools-runtime" $<TARGET_FILE:make-manual>
        --image "${tallivo_program_dir}/tallivo.png" "${manual_source}" "${tallivo_program_dir}/Tallivo_manual.pdf"
    DEPENDS make-manual "${manual_source}" "${tallivo_program_dir}/tallivo.png")

# The first folder offered for a CSV export; empty until a user saves there.
tallivo_program_file("${tallivo_program_dir}/CSV Files"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${tallivo_program_dir}/CSV Files")

add_custom_target(tallivo_program_folder ALL DEPENDS ${tallivo_program_folder_files})
