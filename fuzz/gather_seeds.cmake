# Gathers the seed corpora: DBC files from examples/ and the real-world ones in tests/data/,
# captures from examples/ and made by dtgen from the descriptions, small settings files, and
# logs of each format.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/dbc ${OUT}/capture ${OUT}/ini ${OUT}/detect ${OUT}/asc ${OUT}/blf ${OUT}/candump
     ${OUT}/trc)

file(GLOB_RECURSE dbc_files ${SOURCE_DIR}/examples/*.dbc ${SOURCE_DIR}/fuzz/seeds/*.dbc
     ${SOURCE_DIR}/tests/data/dbc/*.dbc)
foreach(dbc_file IN LISTS dbc_files)
    file(SHA1 ${dbc_file} digest)
    file(COPY_FILE ${dbc_file} ${OUT}/dbc/${digest})
endforeach()

file(GLOB captures ${SOURCE_DIR}/examples/*.DT)
file(COPY ${captures} DESTINATION ${OUT}/capture)
file(GLOB descriptions ${SOURCE_DIR}/examples/*.txt ${SOURCE_DIR}/fuzz/seeds/*.txt)
foreach(description IN LISTS descriptions)
    get_filename_component(stem ${description} NAME_WE)
    execute_process(COMMAND ${DTGEN} ${description} ${OUT}/capture/dtgen_${stem}.DT
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "dtgen failed on ${description}")
    endif()
endforeach()

file(GLOB settings ${SOURCE_DIR}/fuzz/seeds/*.ini)
file(COPY ${settings} DESTINATION ${OUT}/ini)
# Heads of every log format and of files that are none (format detection), and the captures.
file(GLOB detect_seeds ${SOURCE_DIR}/fuzz/seeds/detect/*)
file(COPY ${detect_seeds} ${captures} DESTINATION ${OUT}/detect)
file(GLOB asc_logs ${SOURCE_DIR}/fuzz/seeds/asc/*.asc)
file(COPY ${asc_logs} DESTINATION ${OUT}/asc)
# BLF logs written by python-can, and in the forms of CANoe and of objects outside any container.
file(GLOB blf_logs ${SOURCE_DIR}/fuzz/seeds/blf/*.blf)
file(COPY ${blf_logs} DESTINATION ${OUT}/blf)
file(GLOB candump_logs ${SOURCE_DIR}/fuzz/seeds/candump/*.log)
file(COPY ${candump_logs} DESTINATION ${OUT}/candump)
file(GLOB traces ${SOURCE_DIR}/fuzz/seeds/trc/*.trc)
file(COPY ${traces} DESTINATION ${OUT}/trc)
list(LENGTH dbc_files dbc_count)
list(LENGTH captures capture_count)
list(LENGTH descriptions description_count)
list(LENGTH candump_logs candump_count)
message(STATUS "Seeds: ${dbc_count} DBC files, ${capture_count} captures and ${description_count} made by dtgen, ${candump_count} candump logs")
