# The program's translations: translations/veltrane_<lang>.ts (Qt Linguist sources, kept
# up to date with scripts/update-translations.sh) compiled to .qm at build time into
# bin/translations/, where both programs look (ResourceFolder), and installed beside
# the other resources.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(VELTRANE_LANGUAGES de fr es pt_BR zh_CN ja)
set(VELTRANE_TS_FILES)
foreach(lang IN LISTS VELTRANE_LANGUAGES)
  list(APPEND VELTRANE_TS_FILES ${CMAKE_SOURCE_DIR}/translations/veltrane_${lang}.ts)
endforeach()
set_source_files_properties(${VELTRANE_TS_FILES} PROPERTIES OUTPUT_LOCATION ${VELTRANE_BIN_DIR}/translations)
add_custom_target(veltrane_translations ALL)
qt_add_lrelease(veltrane_translations TS_FILES ${VELTRANE_TS_FILES}
  OPTIONS -silent QM_FILES_OUTPUT_VARIABLE VELTRANE_QM_FILES)
install(FILES ${VELTRANE_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/veltrane-video-converter/translations)
