# Warnings on for our own targets; third-party headers come in as system includes.
add_compile_options(-Wall -Wextra -Wshadow -Wpedantic)
if(VT_WERROR)
  add_compile_options(-Werror)
endif()
