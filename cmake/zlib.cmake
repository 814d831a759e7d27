# zlib inflates gzip-compressed logs (sources/gzip_input.cpp) and deflates the workbooks of the
# Windows build of libxlsxwriter: Debian's zlib1g-dev on Linux, libz-mingw-w64-dev for Windows,
# linked statically there so that the program stays one file without zlib1.dll.
include_guard(GLOBAL)
if(WIN32)
    set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB)
# Seen from every folder, whichever folder found it first.
if(TARGET ZLIB::ZLIB)
    set_target_properties(ZLIB::ZLIB PROPERTIES IMPORTED_GLOBAL TRUE)
endif()
