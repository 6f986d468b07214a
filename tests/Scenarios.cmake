# Tests that run zorvi-host; on Windows each runs under Wine (the build's emulator), in a Wine
# prefix of the build's own, on the display the run is given (xvfb-run when headless).
set(ZORVI_HOST_TESTS)
# End-to-end scenarios: zorvi-host runs each method file; a NAME.expected beside it is the
# exact standard output, a NAME.status the expected exit status (default 0).
set(SCENARIO_DIRS scenarios)
if(ZORVI_WITH_GRID)
  list(APPEND SCENARIO_DIRS scenarios/grid)
else()
  list(APPEND SCENARIO_DIRS scenarios/nogrid)
endif()
foreach(dir IN LISTS SCENARIO_DIRS)
  file(GLOB scenarios CONFIGURE_DEPENDS ${dir}/*.4dm)
  # A folder with Methods/main.4dm is a database scenario; its expectations lie in the folder.
  file(GLOB databases CONFIGURE_DEPENDS ${dir}/*/Methods/main.4dm)
  foreach(main IN LISTS databases)
    get_filename_component(methods ${main} DIRECTORY)
    get_filename_component(database ${methods} DIRECTORY)
    list(APPEND scenarios ${database})
  endforeach()
  foreach(scenario IN LISTS scenarios)
    get_filename_component(name ${scenario} NAME_WE)
    add_test(NAME scenario.${name}
      COMMAND ${CMAKE_COMMAND} -DHOST=$<TARGET_FILE:zorvi-host> -DPLUGIN=${ZORVI_PLUGIN_PATH}
              "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" -DSCENARIO=${scenario}
              -P ${CMAKE_CURRENT_SOURCE_DIR}/scenarios/RunScenario.cmake
      WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
    list(APPEND ZORVI_HOST_TESTS scenario.${name})
  endforeach()
endforeach()
# Under the sanitizer, allocations above 8 MB fail in this one: the drawing path survives them.
if(ZORVI_SANITIZE AND TEST scenario.failed_allocations)
  set_tests_properties(scenario.failed_allocations PROPERTIES ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:max_allocation_size_mb=8")
endif()

# The main job (a target name as the command, so that a cross build runs it under its emulator):
# the gallery database on its sample pictures writes its snapshot (a snapshot that
# cannot be written fails the run).
if(ZORVI_WITH_GRID)
  list(APPEND ZORVI_HOST_TESTS gallery.main_job sorter.main_job)
  add_test(NAME gallery.main_job
    COMMAND zorvi-host --plugin ${ZORVI_PLUGIN_PATH} examples/gallery
            examples/gallery/Pictures ${CMAKE_CURRENT_BINARY_DIR}/gallery.png
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  # The sorter drags three pictures from one grid to the other and writes both snapshots.
  add_test(NAME sorter.main_job
    COMMAND zorvi-host --plugin ${ZORVI_PLUGIN_PATH} examples/sorter
            ${CMAKE_CURRENT_BINARY_DIR}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endif()

if(WIN32)
  set_tests_properties(${ZORVI_HOST_TESTS} PROPERTIES ENVIRONMENT
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all" TIMEOUT 300)
endif()
