# Installing, the Debian package and the desktop files.


# The validators come from Debian packages (desktop-file-utils, appstream);
# without them the tests are skipped, not failed.
add_test(NAME packaging_desktop_entry_is_valid
    COMMAND sh -c "command -v desktop-file-validate >/dev/null || { echo 'desktop-file-validate is not installed (desktop-file-utils)'; exit 77; }; desktop-file-validate \"$0\""
        ${PROJECT_SOURCE_DIR}/packaging/cirrovanta.desktop)
add_test(NAME packaging_metainfo_is_valid
    COMMAND sh -c "command -v appstreamcli >/dev/null || { echo 'appstreamcli is not installed (appstream)'; exit 77; }; appstreamcli validate --no-net --pedantic \"$0\""
        ${PROJECT_SOURCE_DIR}/packaging/cirrovanta.metainfo.xml)
set_tests_properties(packaging_desktop_entry_is_valid packaging_metainfo_is_valid
    PROPERTIES LABELS packaging SKIP_RETURN_CODE 77)

# Builds the Debian package with CPack and looks inside it.
add_test(NAME packaging_debian_package
    COMMAND ${CMAKE_COMMAND}
        -DCPACK_COMMAND=${CMAKE_CPACK_COMMAND}
        -DBINARY_DIR=${PROJECT_BINARY_DIR}
        -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -P ${CMAKE_CURRENT_SOURCE_DIR}/packaging/check-package-contents.cmake)
set_tests_properties(packaging_debian_package PROPERTIES LABELS packaging TIMEOUT 600)
