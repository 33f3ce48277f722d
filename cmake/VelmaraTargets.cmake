# Shared settings for every target of the project, and the layer map the layer test checks.

set_property(GLOBAL PROPERTY VELMARA_LAYER_TARGETS "")

# Compile options every target gets: warnings, sanitizers, the source root as include root.
function(velmara_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(VELMARA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(VELMARA_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(VELMARA_TSAN)
    target_compile_options(${target} PRIVATE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=thread)
  endif()
endfunction()

# One static library per subsystem folder. FOLDER is the source folder relative to the root;
# LINKS are the project targets it builds on (the only ones whose headers it may include).
function(velmara_add_layer target)
  cmake_parse_arguments(ARG "" "FOLDER" "SOURCES;LINKS;SYSTEM" ${ARGN})
  if(ARG_SOURCES)
    add_library(${target} STATIC ${ARG_SOURCES})
    velmara_target_defaults(${target})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    target_link_libraries(${target} PUBLIC ${ARG_LINKS} ${ARG_SYSTEM})
  else()
    # A subsystem that has no code yet: its place in the layers exists all the same.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_LINKS} ${ARG_SYSTEM})
  endif()
  set_property(TARGET ${target} PROPERTY VELMARA_FOLDER ${ARG_FOLDER})
  set_property(TARGET ${target} PROPERTY VELMARA_LINKS "${ARG_LINKS}")
  set_property(GLOBAL APPEND PROPERTY VELMARA_LAYER_TARGETS ${target})
endfunction()

# Register a target that is not built by velmara_add_layer (the shared library) in the layer map.
function(velmara_register_layer target folder)
  set_property(TARGET ${target} PROPERTY VELMARA_FOLDER ${folder})
  set_property(TARGET ${target} PROPERTY VELMARA_LINKS "")
  set_property(GLOBAL APPEND PROPERTY VELMARA_LAYER_TARGETS ${target})
endfunction()

# Writes build/layers.txt: "folder: allowed-folder ..." with the transitive closure of the links.
function(velmara_write_layer_map)
  get_property(targets GLOBAL PROPERTY VELMARA_LAYER_TARGETS)
  set(text "")
  foreach(target IN LISTS targets)
    get_property(folder TARGET ${target} PROPERTY VELMARA_FOLDER)
    set(pending ${target})
    set(seen "")
    while(pending)
      list(POP_FRONT pending current)
      if(current IN_LIST seen)
        continue()
      endif()
      list(APPEND seen ${current})
      get_property(links TARGET ${current} PROPERTY VELMARA_LINKS)
      list(APPEND pending ${links})
    endwhile()
    set(allowed "")
    foreach(dep IN LISTS seen)
      get_property(dep_folder TARGET ${dep} PROPERTY VELMARA_FOLDER)
      list(APPEND allowed ${dep_folder})
    endforeach()
    list(JOIN allowed " " allowed_text)
    string(APPEND text "${folder}: ${allowed_text}\n")
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/layers.txt "${text}")
endfunction()

# A GoogleTest program registered with ctest under one label (unit, gl, ui or e2e).
# ENVIRONMENT entries are set for every test of the program.
function(velmara_add_test target)
  cmake_parse_arguments(ARG "" "LABEL;TIMEOUT" "SOURCES;LINKS;ENVIRONMENT" ${ARGN})
  if(NOT ARG_LABEL MATCHES "^(unit|gl|ui|e2e)$")
    message(FATAL_ERROR "velmara_add_test(${target}): LABEL must be unit, gl, ui or e2e")
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${target} ${ARG_SOURCES})
  velmara_target_defaults(${target})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${ARG_LINKS} GTest::gtest GTest::gmock)
  if(NOT "GTest::gtest_main" IN_LIST ARG_LINKS AND NOT "velmara_test_ui_main" IN_LIST ARG_LINKS)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(VELMARA_TSAN)
    list(APPEND ARG_ENVIRONMENT "TSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/tsan.supp")
  endif()
  gtest_discover_tests(${target}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES LABELS ${ARG_LABEL} TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT "${ARG_ENVIRONMENT}"
    DISCOVERY_TIMEOUT 60)
endfunction()

# Data made at build time by a generator program of tools/: OUTPUTS are paths below data/ of the
# program folder, PROGRAM_OUTPUTS paths below the program folder itself (files the program looks
# for beside its executable); the generator is run as `tool ARGS...` in the program folder and
# again when it or one of the DEPENDS files (its sources of data) changes.
function(velmara_generate_data name)
  cmake_parse_arguments(ARG "" "TOOL" "OUTPUTS;PROGRAM_OUTPUTS;ARGS;DEPENDS" ${ARGN})
  set(outputs "")
  foreach(output IN LISTS ARG_OUTPUTS)
    list(APPEND outputs ${VELMARA_DATA_DIR}/${output})
  endforeach()
  foreach(output IN LISTS ARG_PROGRAM_OUTPUTS)
    list(APPEND outputs ${VELMARA_PROGRAM_DIR}/${output})
  endforeach()
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMARA_DATA_DIR}
    COMMAND $<TARGET_FILE:${ARG_TOOL}> ${ARG_ARGS}
    DEPENDS ${ARG_TOOL} ${ARG_DEPENDS}
    WORKING_DIRECTORY ${VELMARA_PROGRAM_DIR}
    COMMENT "Generating ${name}")
  add_custom_target(velmara_data_${name} DEPENDS ${outputs})
  add_dependencies(velmara_data velmara_data_${name})
endfunction()
