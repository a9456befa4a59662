# Shipped beside grilpad: the default settings and the two grid cursors.
target_link_libraries(tool_make_config PRIVATE frame_core)

add_custom_command(
  OUTPUT ${GRILPAD_PROGRAM_DIR}/mindgrid.cfg
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GRILPAD_PROGRAM_DIR}
  COMMAND tool_make_config ${GRILPAD_PROGRAM_DIR}/mindgrid.cfg
  DEPENDS tool_make_config
  COMMENT "Writing the default mindgrid.cfg")
add_custom_command(
  OUTPUT ${GRILPAD_PROGRAM_DIR}/zacatek.cur ${GRILPAD_PROGRAM_DIR}/konec.cur
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GRILPAD_PROGRAM_DIR}
  COMMAND tool_make_cursors ${GRILPAD_PROGRAM_DIR}
  DEPENDS tool_make_cursors
  COMMENT "Drawing zacatek.cur and konec.cur")
target_sources(shipped_data PRIVATE ${GRILPAD_PROGRAM_DIR}/mindgrid.cfg ${GRILPAD_PROGRAM_DIR}/zacatek.cur
                                    ${GRILPAD_PROGRAM_DIR}/konec.cur)

# grilpad and the window tests that run in the frame use the shipped files; these
# targets are defined later in the top-level list, so the dependency is added once it is read.
function(grilpad_frame_needs_shipped_data)
  foreach(target grilpad frame_ui_tests stores_ui_tests document_ui_tests wordsearch_ui_tests crossword_ui_tests
                 crisscross_ui_tests swedish_ui_tests app_ui_tests)
    if(TARGET ${target})
      add_dependencies(${target} shipped_data)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL grilpad_frame_needs_shipped_data)
