# The Windows host's side of the bundle: the command manifest zorvi-host reads, made from the
# plug-in's descriptor table by zvmanifest, itself run through the build's emulator (Wine).
function(zorvi_windows_manifest)
  if(NOT TARGET zorvi)
    return()
  endif()
  # Some machines run no 32-bit programs at all (Wine's 32-bit loader fails there too): the
  # 32-bit bundle then gets its manifest where its host and tests can run.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    execute_process(COMMAND /usr/lib/wine/wine --version RESULT_VARIABLE runs_32bit
                    OUTPUT_QUIET ERROR_QUIET)
    if(NOT runs_32bit EQUAL 0)
      message(STATUS "Zorvi: this machine runs no 32-bit programs; the 32-bit bundle's command "
                     "manifest is made where they run")
      return()
    endif()
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
