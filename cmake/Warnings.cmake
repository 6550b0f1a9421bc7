# Our own code is built with the usual warnings; they are errors only with VENTRA_WERROR, so a
# packager's compiler or flags cannot stop the build with warnings of their own.
add_compile_options(-Wall -Wextra)
if(VENTRA_WERROR)
  add_compile_options(-Werror)
endif()

# GCC 12 at -O3 (the Release type) warns about copies inside libstdc++'s own string and vector
# code that cannot overlap or overflow ("text" + std::string, vector::insert after reserve:
# GCC bug 105329 and its kin). They say nothing about our code, so that one case goes quiet.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options("$<$<CONFIG:Release>:-Wno-restrict;-Wno-stringop-overflow>")
endif()
