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
        # A shared library is loaded by its name (soname) when a workbook is first written, not
        # linked (workbook/xlsx_functions.h); a static one is linked in.
        set(XLSXWRITER_SONAME "")
        if(XLSXWRITER_LIBRARY MATCHES "\\.so$" AND CMAKE_OBJDUMP)
            execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${XLSXWRITER_LIBRARY}
                            OUTPUT_VARIABLE xlsxwriter_headers ERROR_QUIET)
            if(xlsxwriter_headers MATCHES "SONAME +([^ \n]+)")
                set(XLSXWRITER_SONAME ${CMAKE_MATCH_1})
            endif()
        endif()
    else()
        message(STATUS "No libxlsxwriter (libxlsxwriter-dev): built without workbooks")
    endif()
endif()
