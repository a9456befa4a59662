# Shipped beside the analyzer: the six lamp pictures of its main window.
set(analyzer_lamps)
foreach(lamp led1on led1off led2on led2off led3on led3off)
  list(APPEND analyzer_lamps ${GRILPAD_PROGRAM_DIR}/${lamp}.bmp)
endforeach()

add_custom_command(
  OUTPUT ${analyzer_lamps}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GRILPAD_PROGRAM_DIR}
  COMMAND tool_make_leds ${GRILPAD_PROGRAM_DIR}
  DEPENDS tool_make_leds
  COMMENT "Drawing the analyzer's lamps led1on.bmp ... led3off.bmp")
add_custom_target(analyzer_lamps DEPENDS ${analyzer_lamps})
add_dependencies(shipped_data analyzer_lamps)

# The analyzer and its window tests read the lamps from the program folder; the
# tests' target is defined later in the top-level list, so both dependencies are
# added once it is read.
function(grilpad_analyzer_needs_lamps)
  foreach(target analyzer analyzer_ui_tests)
    if(TARGET ${target})
      add_dependencies(${target} analyzer_lamps)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL grilpad_analyzer_needs_lamps)
