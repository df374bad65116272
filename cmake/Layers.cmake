# vorn_layer(<folder> USES <folders below it...> [EXCLUDE <regex>] [EXTRA_SOURCES <files...>])
# Builds src/<folder>/*.cpp into the static library vorn_<folder with / as _>
# linked to the libraries of the folders it uses, and checks at build time that
# the folder includes no project header from a folder it does not use and that
# only its *_win.* files include <windows.h>.
set(VORN_LAYER_CHECK ${CMAKE_CURRENT_LIST_DIR}/check_layer_includes.cmake)

function(vorn_layer_target folder out_var)
  string(REPLACE "/" "_" name ${folder})
  set(${out_var} vorn_${name} PARENT_SCOPE)
endfunction()

function(vorn_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "EXCLUDE" "USES;EXTRA_SOURCES")
  vorn_layer_target(${folder} target)
  set(dir ${CMAKE_SOURCE_DIR}/src/${folder})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
  endif()
  if(arg_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${arg_EXCLUDE}")
  endif()

  set(stamp ${CMAKE_BINARY_DIR}/layers/${target}.checked)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLAYER=${folder} "-DALLOWED=${folder};${arg_USES}"
            -DSOURCE_DIR=${CMAKE_SOURCE_DIR}/src -DSTAMP=${stamp} -P ${VORN_LAYER_CHECK}
    DEPENDS ${sources} ${headers} ${VORN_LAYER_CHECK}
    COMMENT "Checking the includes of src/${folder}"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})

  # A layer without sources of its own yet still carries its dependencies.
  add_library(${target} STATIC ${sources} ${arg_EXTRA_SOURCES} ${VORN_LAYER_CHECK})
  set_source_files_properties(${VORN_LAYER_CHECK} PROPERTIES HEADER_FILE_ONLY ON)
  add_dependencies(${target} ${target}_includes)
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  set_target_properties(${target} PROPERTIES LINKER_LANGUAGE CXX)
  foreach(used IN LISTS arg_USES)
    vorn_layer_target(${used} used_target)
    target_link_libraries(${target} PUBLIC ${used_target})
  endforeach()
  vorn_warnings(${target})
endfunction()
