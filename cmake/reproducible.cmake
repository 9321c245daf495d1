# Every build of one commit gives the same bytes, wherever and whenever it is made: nothing of the
# build machine's paths or clock goes into the programs. Applies to every target of every build,
# so the programs the tests run are the programs that are released.
if(MSVC)
  # No time stamps in objects and the image; the image's id becomes a hash of its contents.
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:/Brepro>)
  add_link_options(/Brepro)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  # Source and build trees by neutral names in __FILE__ and debug information. The build tree,
  # often inside the source tree, comes last so that it wins.
  add_compile_options(
    $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>
    $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>)
endif()
if(MINGW)
  # The linker stamps the link time into the PE header unless told not to. Stripping drops the
  # symbol table and the debug sections the static runtime brings along.
  add_link_options(-Wl,--no-insert-timestamp $<$<CONFIG:Release>:-s>)
endif()
