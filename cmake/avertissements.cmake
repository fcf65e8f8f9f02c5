# Warnings for the project's own code. Every target of the project links
# vestrel_avertissements PRIVATE, so a parent project that includes us with
# add_subdirectory() and links vestrel_ui keeps its own warning flags.
# VESTREL_WERROR turns warnings into errors: CI builds with it; a user's plain
# build does not, so that a newer compiler's new warning never stops it.
option(VESTREL_WERROR "Treat compiler warnings as errors (CI builds)" OFF)

add_library(vestrel_avertissements INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(vestrel_avertissements INTERFACE
    -Wall -Wextra -Wshadow -Wpedantic
    $<$<BOOL:${VESTREL_WERROR}>:-Werror>)
endif()
