# Every build of the program for Linux is hardened and reproducible, whatever
# the preset: the flags a distribution would add are the project's own.
#   - stack protector, stack clash protection, control-flow protection, and
#     fortified calls of the C library (level 3 where the compiler has
#     __builtin_dynamic_object_size, else 2; not in a build without
#     optimisation, where the C library refuses them, nor under the
#     sanitizers, which check the same calls their own way; a packager's own
#     _FORTIFY_SOURCE is kept);
#   - relocations read-only after start and every symbol bound at start;
#   - no path of the source or build tree in the objects, so that two builds
#     of one commit in two directories give the same bytes.
# (The Windows program is a PE file, which these flags do not concern.)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  include(CheckCXXCompilerFlag)
  include(CheckCXXSourceCompiles)
  foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "PERCORSO_HAS${flag}" has_flag)
    check_cxx_compiler_flag(${flag} ${has_flag})
    if(${has_flag})
      add_compile_options(${flag})
    endif()
  endforeach()
  if(NOT PERCORSO_SANITIZE AND NOT PERCORSO_FUZZ AND NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
    check_cxx_source_compiles("
      #if !defined(__has_builtin) || !__has_builtin(__builtin_dynamic_object_size)
      #error no dynamic object size
      #endif
      int main() { return 0; }" PERCORSO_HAS_FORTIFY_3)
    if(PERCORSO_HAS_FORTIFY_3)
      set(fortify_level 3)
    else()
      set(fortify_level 2)
    endif()
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=${fortify_level}>")
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  # The source tree as ".", the build tree (wherever it lies) as "./build".
  check_cxx_compiler_flag(-ffile-prefix-map=a=b PERCORSO_HAS_FILE_PREFIX_MAP)
  if(PERCORSO_HAS_FILE_PREFIX_MAP)
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
      -ffile-prefix-map=${CMAKE_BINARY_DIR}=./build)
  endif()
endif()
