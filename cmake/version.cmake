# One version for everything: project(VERSION) gives the numbers, and the programs, resources,
# manifest and packages take theirs from here.
set(TXTCVT_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}${PROJECT_VERSION_PATCH}")
set(TXTCVT_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")

set(TXTCVT_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/cmake/txtcvt_version.h.in
               ${TXTCVT_GENERATED_DIR}/txtcvt_version.h @ONLY)
# The resource script names the manifest without a path; the resource compiler finds it here.
configure_file(${PROJECT_SOURCE_DIR}/app/resources/txtcvt.exe.manifest.in
               ${TXTCVT_GENERATED_DIR}/txtcvt.exe.manifest @ONLY)
# Every target and resource script may include txtcvt_version.h.
include_directories(${TXTCVT_GENERATED_DIR})
