# The C libraries the game draws and reads with, one imported target each. A build without
# sanitizers links them statically, and the game program its C++ runtime too (src/): every
# shared library costs the dynamic loader and the kernel time at each start, and for these
# eight (FreeType, fontconfig, libpng, zlib, expat, brotli, libstdc++, libgcc) that was
# about 3 ms of the 40 a start takes on a two-core machine. SDL and X11 stay shared: they
# load their drivers at run time. The archives come with the same Debian -dev packages as
# the shared libraries. Sanitized builds link everything shared, as the sanitizers expect.
if(BURDOMIR_SANITIZE OR BURDOMIR_FUZZ)
  set(static_default OFF)
else()
  set(static_default ON)
endif()
option(BURDOMIR_STATIC_LIBRARIES "Link FreeType, fontconfig, libpng, zlib and the game's C++ runtime statically"
       ${static_default})
if(BURDOMIR_STATIC_LIBRARIES)
  # Our copies serve our code only: SDL's own dependencies (D-Bus reads XML with expat) keep
  # binding to the system's shared libraries instead of to symbols a program would export.
  add_link_options(-Wl,--exclude-libs,ALL)
endif()

# Burdomir::<name> for the pkg-config modules given. Static: the archives pkg-config lists
# for a static link, each library once at its last place in that list, so that every
# archive comes before the ones it needs; the C library's own parts (libm) stay shared.
function(burdomir_library name)
  pkg_check_modules(${name} REQUIRED IMPORTED_TARGET ${ARGN})
  add_library(Burdomir::${name} INTERFACE IMPORTED)
  if(NOT BURDOMIR_STATIC_LIBRARIES)
    target_link_libraries(Burdomir::${name} INTERFACE PkgConfig::${name})
    return()
  endif()
  set(libraries ${${name}_STATIC_LIBRARIES})
  list(REVERSE libraries)
  list(REMOVE_DUPLICATES libraries)
  list(REVERSE libraries)
  set(archives)
  foreach(library IN LISTS libraries)
    if(library MATCHES "^(m|dl|pthread|rt)$")
      list(APPEND archives ${library})
      continue()
    endif()
    find_library(BURDOMIR_ARCHIVE_${library} NAMES lib${library}.a)
    if(NOT BURDOMIR_ARCHIVE_${library})
      message(FATAL_ERROR "lib${library}.a (for ${ARGN}) is missing: install its -dev package, "
                          "or configure with -DBURDOMIR_STATIC_LIBRARIES=OFF")
    endif()
    list(APPEND archives ${BURDOMIR_ARCHIVE_${library}})
  endforeach()
  target_link_libraries(Burdomir::${name} INTERFACE ${archives})
  target_include_directories(Burdomir::${name} INTERFACE ${${name}_STATIC_INCLUDE_DIRS})
  target_compile_options(Burdomir::${name} INTERFACE ${${name}_STATIC_CFLAGS_OTHER})
endfunction()

burdomir_library(FREETYPE freetype2)
burdomir_library(FONTCONFIG fontconfig)
burdomir_library(LIBPNG libpng)
burdomir_library(ZLIB zlib)
