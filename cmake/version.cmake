# The one place the version is set is the project() line; everything else is made from it here:
#   generated/dek_version.h  the numbers and texts for the code and the resource scripts
#   bin/readme.txt           the readme of the release, its first line naming the version
#   dek-version.txt          the version as the user sees it ("1.44"), for the scripts
# Dek shows major.minor followed directly by the revision (the fourth number): 1.4.0.4 is "1.44",
# and the resources' text pads them: "1.04.0004".
set(DEK_VERSION_SHOWN "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}${PROJECT_VERSION_TWEAK}")
set(DEK_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")
function(dek_pad value width out)
  string(LENGTH "${value}" length)
  while(length LESS width)
    set(value "0${value}")
    math(EXPR length "${length} + 1")
  endwhile()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
dek_pad(${PROJECT_VERSION_MINOR} 2 minor)
dek_pad(${PROJECT_VERSION_TWEAK} 4 tweak)
set(DEK_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor}.${tweak}")

configure_file(${CMAKE_SOURCE_DIR}/cmake/dek_version.h.in ${CMAKE_BINARY_DIR}/generated/dek_version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/readme.txt.in ${CMAKE_BINARY_DIR}/bin/readme.txt @ONLY)
file(WRITE ${CMAKE_BINARY_DIR}/dek-version.txt "${DEK_VERSION_SHOWN}\n")
