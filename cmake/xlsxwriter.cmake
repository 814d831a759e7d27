# Workbooks (--format xlsx) need libxlsxwriter: Debian's libxlsxwriter-dev on Linux, our static
# build of its source (third_party/libxlsxwriter, with libz-mingw-w64-dev) for Windows. Without
# it the programs are built without the format and say so when it is asked for.
option(TXTCVT_XLSX "Write Excel workbooks (needs libxlsxwriter)" ON)
set(TXTCVT_HAVE_XLSX OFF)
if(TXTCVT_XLSX AND WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/zlib.cmake)
    if(ZLIB_FOUND)
        add_subdirectory(third_party/libxlsxwriter)
        add_library(txtcvt::xlsxwriter ALIAS txtcvt_xlsxwriter)
        set(TXTCVT_HAVE_XLSX ON)
    else()
        message(STATUS "No zlib for MinGW-w64 (libz-mingw-w64-dev): built without workbooks")
    endif()
elseif(TXTCVT_XLSX)
    find_path(XLSXWRITER_INCLUDE_DIR xlsxwriter.h)
    find_library(XLSXWRITER_LIBRARY xlsxwriter)
    if(XLSXWRITER_INCLUDE_DIR AND XLSXWRITER_LIBRARY)
        add_library(txtcvt::xlsxwriter UNKNOWN IMPORTED)
        set_target_properties(txtcvt::xlsxwriter PROPERTIES
            IMPORTED_LOCATION ${XLSXWRITER_LIBRARY}
            INTERFACE_INCLUDE_DIRECTORIES ${XLSXWRITER_INCLUDE_DIR})
        set(TXTCVT_HAVE_XLSX ON)
    else()
        message(STATUS "No libxlsxwriter (libxlsxwriter-dev): built without workbooks")
    endif()
endif()
