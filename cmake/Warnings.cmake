# Warnings on for our own targets; third-party headers come in as system includes.
add_compile_options(-Wall -Wextra -Wshadow -Wpedantic)
# GCC 12 reports std::string concatenation as overlapping memcpy at -O3 (GCC bug 105329), a
# false positive inside libstdc++ that would fail Release builds with -Werror.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
if(VT_WERROR)
  add_compile_options(-Werror)
endif()
