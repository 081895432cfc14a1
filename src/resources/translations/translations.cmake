# Translations: lrelease compiles each Qt Linguist source into the build tree
# and a resource file generated beside the results embeds them in the kavrin
# library under ":/qm/<code>.qm".
set(kavrin_language_codes en pl cn pt ru de jp es fr it)
set(kavrin_qm_dir ${CMAKE_CURRENT_BINARY_DIR}/qm)

set(kavrin_ts_files)
set(KAVRIN_QM_ENTRIES)
foreach(code IN LISTS kavrin_language_codes)
    list(APPEND kavrin_ts_files ${CMAKE_CURRENT_LIST_DIR}/${code}.ts)
    string(APPEND KAVRIN_QM_ENTRIES "        <file>${code}.qm</file>\n")
endforeach()

set_source_files_properties(${kavrin_ts_files} PROPERTIES OUTPUT_LOCATION ${kavrin_qm_dir})
qt5_add_translation(kavrin_qm_files ${kavrin_ts_files})
configure_file(${CMAKE_CURRENT_LIST_DIR}/translations.qrc.in ${kavrin_qm_dir}/translations.qrc @ONLY)

# As sources of the library the .qm files are built with it; AUTORCC lists
# them as inputs of the generated resource file, so rcc waits for lrelease
# and runs again whenever a translation changes.
target_sources(kavrin PRIVATE ${kavrin_qm_files} ${kavrin_qm_dir}/translations.qrc)
