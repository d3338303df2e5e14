# qor_draw_archive_target(TARGET ARCHIVE EDITION CSV...): a target, built every
# time, that makes the draw archive ARCHIVE of the game EDITION (classic or
# current) from the published draw histories CSV... with the command-line
# companion, when the histories exist and the archive does not (see
# DefaultDrawArchive.cmake). Nothing without the companion.
function(qor_draw_archive_target target archive edition)
  if(NOT TARGET qor-euromillon-cli)
    return()
  endif()
  get_filename_component(folder ${archive} DIRECTORY)
  string(REPLACE ";" "|" csvs "${ARGN}")
  add_custom_target(${target} ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:qor-euromillon-cli>
            "-DCSVS=${csvs}"
            -DEDITION=${edition}
            -DARCHIVE=${archive}
            -P ${PROJECT_SOURCE_DIR}/cmake/DefaultDrawArchive.cmake
    VERBATIM)
  add_dependencies(${target} qor-euromillon-cli)
endfunction()

# The published draw histories in the source tree, oldest first.
set(QOR_HISTORY_DIR ${PROJECT_SOURCE_DIR}/src/data/history)
set(QOR_HISTORY_FILES
    ${QOR_HISTORY_DIR}/euromillions.csv ${QOR_HISTORY_DIR}/euromillions_2.csv
    ${QOR_HISTORY_DIR}/euromillions_3.csv ${QOR_HISTORY_DIR}/euromillions_4.csv
    ${QOR_HISTORY_DIR}/euromillions_201902.csv ${QOR_HISTORY_DIR}/euromillions_202002.csv)

# Both default archives into FOLDER: the classic game's from the first history
# file, today's game's from all six.
function(qor_default_draw_archives prefix folder)
  qor_draw_archive_target(${prefix} ${folder}/QOREuroMillonSorteos.emx classic
                          ${QOR_HISTORY_DIR}/euromillions.csv)
  qor_draw_archive_target(${prefix}_current ${folder}/QOREuroMillonSorteosActual.emx current
                          ${QOR_HISTORY_FILES})
  if(TARGET ${prefix}_current)
    add_dependencies(${prefix} ${prefix}_current)
  endif()
endfunction()
