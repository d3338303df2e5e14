# The user manuals, turned from Markdown (docs/manual) into PDF beside the
# program by a small Qt tool: QOREuroMillon.pdf (Spanish, the program's own
# language), QOREuroMillon_english.pdf and QOREuroMillon_french.pdf. Their
# pictures are the real windows in the manual's own language, grabbed
# offscreen at build time by qor_manual_pictures into manual/<language>.
find_package(Qt6 REQUIRED COMPONENTS Gui Test)
add_executable(qor_make_manual ${PROJECT_SOURCE_DIR}/tools/manual/make_manual.cpp)
target_link_libraries(qor_make_manual PRIVATE Qt6::Gui)
set_target_properties(qor_make_manual PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
qor_warnings(qor_make_manual)

# Drives the windows as their tests do, so it shares their helpers. It stays
# beside the language files it loads (it is not installed).
add_executable(qor_manual_pictures ${PROJECT_SOURCE_DIR}/tools/manual/manual_pictures.cpp
                                   ${PROJECT_SOURCE_DIR}/tests/support/ui/shell_test_support.cpp)
target_link_libraries(qor_manual_pictures PRIVATE qor_gui Qt6::Test)
target_include_directories(qor_manual_pictures PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(qor_manual_pictures PRIVATE QOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                                       QOR_HISTORY_DIR="${PROJECT_SOURCE_DIR}/src/data/history")
qor_warnings(qor_manual_pictures)

set(QOR_MANUAL_PICTURE_NAMES main menu_file combination delete import export progress generator_numbers
    generator_reduction generator_conditions generator_process generator_guarantee condition_editor
    generator_current wizard_step1 wizard_step2 wizard_step3 wizard_step4 guarantee guarantee_whole_game
    prizes prizes_chart draw_editor print_tickets print_listings print_preview designer)
set(QOR_MANUALS)
foreach(entry IN ITEMS "QOREuroMillon|Índice|es" "QOREuroMillon_english|Contents|en"
                       "QOREuroMillon_french|Sommaire|fr")
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 contents)
  list(GET parts 2 code)
  set(pictures_dir ${CMAKE_BINARY_DIR}/manual/${code})
  set(pictures)
  foreach(picture IN LISTS QOR_MANUAL_PICTURE_NAMES)
    list(APPEND pictures ${pictures_dir}/${picture}.png)
  endforeach()
  add_custom_command(OUTPUT ${pictures}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:qor_manual_pictures> ${code} ${pictures_dir}
    DEPENDS qor_manual_pictures VERBATIM)
  set(source ${PROJECT_SOURCE_DIR}/docs/manual/${name}.md)
  set(output ${QOR_RUNTIME_DIR}/${name}.pdf)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:qor_make_manual> ${source} ${output} ${contents}
            ${pictures_dir}
    DEPENDS qor_make_manual ${source} ${pictures} VERBATIM)
  list(APPEND QOR_MANUALS ${output})
endforeach()
add_custom_target(manuals ALL DEPENDS ${QOR_MANUALS})
