# The Windows host's side of the bundle: the command manifest zorvi-host reads, made from the
# plug-in's descriptor table by zvmanifest, itself run through the build's emulator (Wine).
function(zorvi_windows_manifest)
  if(NOT TARGET zorvi)
    return()
  endif()
  set(bundle ${CMAKE_BINARY_DIR}/Zorvi.bundle)
  add_executable(zvmanifest tools/zvmanifest.cpp tools/CommandSyntax.cpp ${ZORVI_OBJECTS})
  target_include_directories(zvmanifest PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_definitions(zvmanifest PRIVATE ZORVI_WITH_GRID=$<BOOL:${ZORVI_WITH_GRID}>)
  target_link_libraries(zvmanifest PRIVATE ${ZORVI_WINDOWS_LIBS})
  target_link_options(zvmanifest PRIVATE ${ZORVI_WINDOWS_STATIC_RUNTIME})
  # Beside ASINTPPC.dll, which the plug-in's objects import.
  set_target_properties(zvmanifest PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  add_dependencies(zvmanifest zvhost)
  add_custom_command(OUTPUT ${bundle}/Contents/manifest.txt
    COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all
            ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:zvmanifest> > ${bundle}/Contents/manifest.txt
    DEPENDS zvmanifest VERBATIM)
  add_custom_target(zorvi_manifest ALL DEPENDS ${bundle}/Contents/manifest.txt)
  add_dependencies(zorvi_manifest zorvi)
endfunction()
