# Read by cpack before it builds a package. The Debian package takes its
# library dependencies, with their versions, from dpkg-shlibdeps: without it
# cpack would quietly write a Depends line that names almost nothing.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(VESTREL_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(NOT VESTREL_DPKG_SHLIBDEPS)
    message(FATAL_ERROR
      "cpack -G DEB needs dpkg-shlibdeps: install dpkg-dev "
      "(bash scripts/deps does), then run cpack again")
  endif()
endif()
