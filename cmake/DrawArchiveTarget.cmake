# qor_draw_archive_target(TARGET ARCHIVE): a target, built every time, that
# makes the draw archive ARCHIVE from the published draw history with the
# command-line companion, when the history exists and the archive does not
# (see DefaultDrawArchive.cmake). Nothing without the companion.
function(qor_draw_archive_target target archive)
  if(NOT TARGET qor-euromillon-cli)
    return()
  endif()
  get_filename_component(folder ${archive} DIRECTORY)
  add_custom_target(${target} ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:qor-euromillon-cli>
            -DCSV=${QOR_SHARED_DATA_DIR}/euromillions.csv
            -DARCHIVE=${archive}
            -P ${PROJECT_SOURCE_DIR}/cmake/DefaultDrawArchive.cmake
    VERBATIM)
  add_dependencies(${target} qor-euromillon-cli)
endfunction()
