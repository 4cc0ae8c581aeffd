# Every Korvanta target links this: one place for the warning policy.
add_library(korvanta_warnings INTERFACE)
target_compile_options(korvanta_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wdouble-promotion
  -Werror)
