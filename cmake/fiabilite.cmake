# Reliability builds. Both options change how every target of the project is
# compiled, so this file is included before the first add_subdirectory().

# AddressSanitizer + UndefinedBehaviorSanitizer build, used by
# scripts/test-sanitized to run the whole test suite a second time. Any
# finding aborts the program, so a test that triggers one fails.
option(VESTREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

# libFuzzer targets of fuzz/ (clang only, without the Qt windows).
option(VESTREL_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(VESTREL_SANITIZE OR VESTREL_FUZZ)
  set(_vestrel_san address,undefined)
  if(VESTREL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
      message(FATAL_ERROR "VESTREL_FUZZ needs clang (e.g. CXX=clang++-14)")
    endif()
    # Coverage instrumentation for the code under test; the fuzz targets
    # link the fuzzer's own main (fuzz/CMakeLists.txt).
    set(_vestrel_san fuzzer-no-link,${_vestrel_san})
  endif()
  add_compile_options(-fsanitize=${_vestrel_san} -fno-omit-frame-pointer
                      -fno-sanitize-recover=all -g)
  add_link_options(-fsanitize=address,undefined)
  if(VESTREL_SANITIZE)
    # Huge typed numbers reach the code: a double too large for an integer
    # conversion is a finding too (g++ leaves it out of "undefined"). The
    # library assertions check indices into standard and Qt containers.
    add_compile_options(-fsanitize=float-cast-overflow)
    add_link_options(-fsanitize=float-cast-overflow)
    add_compile_definitions(_GLIBCXX_ASSERTIONS QT_FORCE_ASSERTS)
  endif()
endif()

# The deviation tables are computed at compile time from the ISO 286 rules;
# clang's default constexpr budget is far below g++'s and stops short of them.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-fconstexpr-steps=200000000)
endif()
