# Manual pages and the changelog are installed compressed as Debian wants them: gzip -9
# without the name and time stamp in the header (-n), so one text always gives the same bytes.
include(GNUInstallDirs)

# Builds `output` from `input` as part of the default build (target `target`).
function(veltrane_gzip_file target input output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9n -c ${input} > ${output}
    DEPENDS ${input}
    COMMENT "Compressing ${input}")
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()

# Compresses the manual page `page` (name.N) and installs it into its section.
function(veltrane_compressed_man_page target page)
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE ".*\\.([1-9])$" "\\1" section ${name})
  veltrane_gzip_file(${target} ${page} ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
