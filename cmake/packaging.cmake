# What `cmake --install` puts where, and the release packages CPack makes from it: a zip for
# Windows (the two programs at its top, beside the README, licence and examples) and a Debian
# package of the command line for Linux.
set(example_files
    ${PROJECT_SOURCE_DIR}/examples/vehicle.dbc
    ${PROJECT_SOURCE_DIR}/examples/drive_v27.DT
    ${PROJECT_SOURCE_DIR}/examples/drive_v27.txt
    ${PROJECT_SOURCE_DIR}/examples/drive_v29.DT
    ${PROJECT_SOURCE_DIR}/examples/drive_v29.txt
    ${PROJECT_SOURCE_DIR}/examples/drive_canoe.asc)

set(CPACK_PACKAGE_VENDOR "the txtcvt authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "CAN capture files (*.DT) to CSV through a DBC database")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # Windows users read text files in Notepad: .txt names, the programs at the top.
    install(TARGETS txtcvt txtcvt-cli RUNTIME DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
    install(FILES ${example_files} DESTINATION examples)

    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_NAME txtcvt)
    set(CPACK_PACKAGE_FILE_NAME txtcvt-${PROJECT_VERSION}-windows-x64)
else()
    include(GNUInstallDirs)
    set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/txtcvt-cli)
    install(TARGETS txtcvt-cli dtgen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # Debian keeps manual pages compressed.
    find_program(GZIP_PROGRAM gzip REQUIRED)
    set(man_page ${CMAKE_CURRENT_BINARY_DIR}/txtcvt-cli.1.gz)
    add_custom_command(OUTPUT ${man_page}
        COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/txtcvt-cli.1 > ${man_page}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/txtcvt-cli.1
        VERBATIM)
    add_custom_target(man_page ALL DEPENDS ${man_page})
    install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${doc_dir})
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${doc_dir} RENAME copyright)
    install(FILES ${example_files} DESTINATION ${doc_dir}/examples)

    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGE_NAME txtcvt-cli)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "the txtcvt authors")
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    # Below the summary line, which is CPACK_PACKAGE_DESCRIPTION_SUMMARY.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "txtcvt-cli converts the monitor data files (*.DT) of a two-channel CAN analyzer into\n\
CSV files, one line per decoded signal value, through a DBC database. dtgen writes\n\
such capture files from a readable description.")
    # dpkg-shlibdeps works out the libraries the programs need (libc6, libstdc++6, libgcc-s1).
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
