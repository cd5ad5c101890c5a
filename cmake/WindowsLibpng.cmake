# libpng for the program's picture decoding.
#
# Windows build: PngWin32::png, the static libpng that scripts/setup builds
# for i686 mingw-w64 (in PPICALC_LIBPNG_WIN32_DIR, /opt/ppicalc-deps/libpng-i686
# unless the environment says otherwise), linked with the static zlib of
# libz-mingw-w64-dev. Native build: Debian's libpng-dev through
# find_package(PNG), giving PNG::PNG.
include_guard(GLOBAL)

if(NOT WIN32)
  find_package(PNG REQUIRED)
  return()
endif()

if(NOT PPICALC_LIBPNG_WIN32_DIR)
  if(DEFINED ENV{PPICALC_LIBPNG_WIN32_DIR})
    set(defaultDir $ENV{PPICALC_LIBPNG_WIN32_DIR})
  else()
    set(defaultDir /opt/ppicalc-deps/libpng-i686)
  endif()
  set(PPICALC_LIBPNG_WIN32_DIR ${defaultDir} CACHE PATH "Prefix of the static i686 mingw-w64 libpng")
endif()

# Plain paths rather than find_library: the toolchain file re-roots library
# searches under the mingw sysroot, where this prefix does not live.
set(pngLibrary ${PPICALC_LIBPNG_WIN32_DIR}/lib/libpng16.a)
set(pngInclude ${PPICALC_LIBPNG_WIN32_DIR}/include)
if(NOT EXISTS ${pngLibrary} OR NOT EXISTS ${pngInclude}/png.h)
  message(FATAL_ERROR "No static libpng for i686 mingw-w64 in ${PPICALC_LIBPNG_WIN32_DIR}; run scripts/setup")
endif()

find_library(PPICALC_ZLIB_WIN32 NAMES libz.a REQUIRED)

add_library(PngWin32::zlib STATIC IMPORTED GLOBAL)
set_target_properties(PngWin32::zlib PROPERTIES IMPORTED_LOCATION ${PPICALC_ZLIB_WIN32})

add_library(PngWin32::png STATIC IMPORTED GLOBAL)
set_target_properties(PngWin32::png PROPERTIES
  IMPORTED_LOCATION ${pngLibrary}
  INTERFACE_INCLUDE_DIRECTORIES ${pngInclude}
  INTERFACE_LINK_LIBRARIES PngWin32::zlib)
