# Every Korvanta target links this: one place for the warning policy.
add_library(korvanta_warnings INTERFACE)
target_compile_options(korvanta_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wdouble-promotion
  -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports -Wrestrict inside libstdc++ for plain string concatenation
  # at -O2 and above (GCC bug 105329); the warning says nothing about our code.
  target_compile_options(korvanta_warnings INTERFACE -Wno-restrict)
endif()
