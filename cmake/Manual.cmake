# The user manuals, turned from Markdown (docs/manual) into PDF beside the
# program by a small Qt tool: QOREuroMillon.pdf (Spanish, the program's own
# language), QOREuroMillon_english.pdf and QOREuroMillon_french.pdf. The
# pictures in docs/manual/images are screenshots made by `make screenshot`.
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(qor_make_manual ${PROJECT_SOURCE_DIR}/tools/manual/make_manual.cpp)
target_link_libraries(qor_make_manual PRIVATE Qt6::Gui)
set_target_properties(qor_make_manual PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
qor_warnings(qor_make_manual)

file(GLOB QOR_MANUAL_PICTURES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/manual/images/*.png)
set(QOR_MANUALS)
foreach(entry IN ITEMS "QOREuroMillon|Índice" "QOREuroMillon_english|Contents" "QOREuroMillon_french|Sommaire")
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 contents)
  set(source ${PROJECT_SOURCE_DIR}/docs/manual/${name}.md)
  set(output ${QOR_RUNTIME_DIR}/${name}.pdf)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:qor_make_manual> ${source} ${output} ${contents}
    DEPENDS qor_make_manual ${source} ${QOR_MANUAL_PICTURES} VERBATIM)
  list(APPEND QOR_MANUALS ${output})
endforeach()
add_custom_target(manuals ALL DEPENDS ${QOR_MANUALS})
