# The Windows plug-in: Zorvi.4DX, a DLL that links only the system and the host's compatibility
# library, laid out in its bundle as the host expects.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ZORVI_WINDOWS_FOLDER Windows64)
  set(ZORVI_EXPORTS_DEF ${CMAKE_SOURCE_DIR}/plugin/windows/Zorvi64.def)
else()
  set(ZORVI_WINDOWS_FOLDER Windows)
  set(ZORVI_EXPORTS_DEF ${CMAKE_SOURCE_DIR}/plugin/windows/Zorvi32.def)
endif()

# The host's compatibility library is found at run time in the host's process; the build only
# needs its import library, made from the list of what the plug-in calls.
set(ZORVI_ASINTPPC_DEF ${CMAKE_SOURCE_DIR}/sdk/windows/ASINTPPC.def)
set(ZORVI_ASINTPPC_LIB ${CMAKE_BINARY_DIR}/lib/libASINTPPC.a)
add_custom_command(OUTPUT ${ZORVI_ASINTPPC_LIB}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/lib
  COMMAND ${CMAKE_DLLTOOL} --input-def ${ZORVI_ASINTPPC_DEF} --dllname ASINTPPC.dll
          --output-lib ${ZORVI_ASINTPPC_LIB}
  DEPENDS ${ZORVI_ASINTPPC_DEF} VERBATIM)
add_custom_target(asintppc_importlib DEPENDS ${ZORVI_ASINTPPC_LIB})
add_library(asintppc STATIC IMPORTED GLOBAL)
set_target_properties(asintppc PROPERTIES IMPORTED_LOCATION ${ZORVI_ASINTPPC_LIB})
add_dependencies(asintppc asintppc_importlib)

# Only the libraries named here, not the platform's default list.
set(CMAKE_C_STANDARD_LIBRARIES "")
set(CMAKE_CXX_STANDARD_LIBRARIES "")
set(ZORVI_WINDOWS_LIBS gdiplus user32 gdi32 kernel32 shlwapi ole32 asintppc)

# The C++ and GCC runtimes (and the thread library under them) go inside the DLL.
set(ZORVI_WINDOWS_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

function(zorvi_windows_plugin)
  add_subdirectory(tests/windows)
  set(bundle ${CMAKE_BINARY_DIR}/Zorvi.bundle)
  add_library(zorvi SHARED ${ZORVI_OBJECTS} ${ZORVI_EXPORTS_DEF})
  target_link_libraries(zorvi PRIVATE ${ZORVI_WINDOWS_LIBS})
  target_link_options(zorvi PRIVATE ${ZORVI_WINDOWS_STATIC_RUNTIME})
  set_target_properties(zorvi PROPERTIES
    OUTPUT_NAME Zorvi PREFIX "" SUFFIX ".4DX"
    RUNTIME_OUTPUT_DIRECTORY ${bundle}/Contents/${ZORVI_WINDOWS_FOLDER}
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
  add_custom_command(TARGET zorvi POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${bundle}/Contents/Resources
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources
            ${bundle}/Contents/Resources
    VERBATIM)
  set(ZORVI_PLUGIN_PATH ${bundle}/Contents/${ZORVI_WINDOWS_FOLDER}/Zorvi.4DX PARENT_SCOPE)

  # Its imports and exports, checked without running it: also where 32-bit programs cannot run.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(arch x86_64)
  else()
    set(arch i686)
  endif()
  add_test(NAME windows.dll
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-windows-dll.sh ${arch} ${CMAKE_BINARY_DIR})
endfunction()
