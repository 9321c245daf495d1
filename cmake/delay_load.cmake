# Delay-loaded system DLLs: a program loads them when it first calls into them, not at its start,
# so that a run that needs no dialog, picture, COM or sound never loads them.
#
# mingw-w64: delay-import libraries are made at configure time from the toolchain's import
# libraries (every name they export) with dlltool, under the same names, in a folder that the
# delay-loading programs search first. MSVC: the linker's /DELAYLOAD.
set(DEK_DELAY_LOADED_DLLS comctl32 comdlg32 msvfw32 ole32 shell32 winmm)

if(MINGW)
  set(DEK_DELAY_LIBRARY_DIR ${CMAKE_BINARY_DIR}/delay-import)
  file(MAKE_DIRECTORY ${DEK_DELAY_LIBRARY_DIR})
  foreach(dll ${DEK_DELAY_LOADED_DLLS})
    find_library(import_library_${dll} NAMES lib${dll}.a ${dll} REQUIRED NO_CACHE)
    execute_process(COMMAND ${CMAKE_NM} ${import_library_${dll}} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE "^I __imp_" "")
    list(REMOVE_DUPLICATES imports)
    list(JOIN imports "\n" exports)
    file(WRITE ${DEK_DELAY_LIBRARY_DIR}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
    # Made under its bare name: dlltool names the library's symbols after the output path as given,
    # and no build path belongs in a release.
    execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${dll}.def --dllname ${dll}.dll --output-delaylib lib${dll}.a
                    WORKING_DIRECTORY ${DEK_DELAY_LIBRARY_DIR} COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()

function(dek_delay_load target)
  if(MINGW)
    # Named relative to the build tree, where the linker runs: the linker orders import sections
    # by the names of the libraries they come from, so a full path would make the program depend
    # on where it was built.
    file(RELATIVE_PATH relative ${CMAKE_BINARY_DIR} ${DEK_DELAY_LIBRARY_DIR})
    target_link_options(${target} BEFORE PRIVATE -L${relative})
    target_link_libraries(${target} PRIVATE delayimp)
  elseif(MSVC)
    foreach(dll ${DEK_DELAY_LOADED_DLLS})
      target_link_options(${target} PRIVATE /DELAYLOAD:${dll}.dll)
    endforeach()
    target_link_libraries(${target} PRIVATE delayimp)
  endif()
endfunction()
