# Every Korvanta target links this: one place for the warning policy. Whether
# a warning fails the build is CMake's own CMAKE_COMPILE_WARNING_AS_ERROR,
# which CI and the test script set: a compiler newer than ours may warn of
# something new, and that should not stop a user's build.
add_library(korvanta_warnings INTERFACE)
target_compile_options(korvanta_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wdouble-promotion)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports -Wrestrict inside libstdc++ for plain string concatenation
  # at -O2 and above (GCC bug 105329); the warning says nothing about our code.
  target_compile_options(korvanta_warnings INTERFACE -Wno-restrict)
endif()
