# Helpers shared by the subsystem folders.
#
# grilpad_core(<name> DEPS <targets...>)  builds <name>_core from <name>/core/*.cpp (standard C++ only)
# grilpad_ui(<name> DEPS <targets...>)    builds <name>_ui from <name>/ui/*.cpp (Qt widgets)
#
# Sources are picked up by folder, so adding a file needs no edit here.

# The global properties GRILPAD_CORE_LIBS and GRILPAD_UI_LIBS list every library built so far.

function(grilpad_core name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/core/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/core/*.h)
  if(sources)
    add_library(${name}_core STATIC ${sources} ${headers})
    target_include_directories(${name}_core PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name}_core PUBLIC ${ARG_DEPS} Threads::Threads)
  else()
    add_library(${name}_core INTERFACE ${headers})
    target_include_directories(${name}_core INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name}_core INTERFACE ${ARG_DEPS} Threads::Threads)
  endif()
  set_property(GLOBAL APPEND PROPERTY GRILPAD_CORE_LIBS ${name}_core)
endfunction()

function(grilpad_ui name)
  if(NOT GRILPAD_WITH_UI)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h)
  if(sources)
    add_library(${name}_ui STATIC ${sources} ${headers})
    target_include_directories(${name}_ui PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name}_ui PUBLIC ${name}_core ${ARG_DEPS} Qt6::Widgets Qt6::PrintSupport)
    # With Ninja the moc step reruns only when a header it already knows
    # changes, so a header added to an existing build folder would never be
    # run through moc. Forget the step's stamp whenever the list changes.
    if(NOT "${headers}" STREQUAL "${GRILPAD_MOC_HEADERS_${name}}")
      file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_ui_autogen/timestamp)
      set(GRILPAD_MOC_HEADERS_${name} "${headers}" CACHE INTERNAL "")
    endif()
  else()
    add_library(${name}_ui INTERFACE ${headers})
    target_include_directories(${name}_ui INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name}_ui INTERFACE ${name}_core ${ARG_DEPS} Qt6::Widgets Qt6::PrintSupport)
  endif()
  set_property(GLOBAL APPEND PROPERTY GRILPAD_UI_LIBS ${name}_ui)
endfunction()
