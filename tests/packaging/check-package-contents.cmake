# Builds the Debian package with CPack and checks what is inside it.
#   cmake -DCPACK_COMMAND=... -DBINARY_DIR=... -DSOURCE_DIR=... -P check-package-contents.cmake

set(packages "${BINARY_DIR}/packages")
file(GLOB old "${packages}/cirrovanta_*.deb")
if(old)
    file(REMOVE ${old})
endif()

execute_process(COMMAND "${CPACK_COMMAND}" -G DEB --config "${BINARY_DIR}/CPackConfig.cmake"
    WORKING_DIRECTORY "${BINARY_DIR}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${result}")
endif()

file(GLOB deb "${packages}/cirrovanta_*.deb")
list(LENGTH deb count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package in ${packages}, found: ${deb}")
endif()
file(SIZE "${deb}" size)
message("built ${deb} (${size} bytes)")

find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
    message("dpkg-deb is not installed: the package's contents are not checked")
    return()
endif()

function(fail what)
    message(FATAL_ERROR "${deb}: ${what}")
endfunction()

execute_process(COMMAND "${DPKG_DEB}" --field "${deb}" Package Version Architecture Depends
    OUTPUT_VARIABLE fields RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    fail("dpkg-deb cannot read the control fields")
endif()
message("${fields}")
file(READ "${BINARY_DIR}/packaging/depends.txt" depends)
string(STRIP "${depends}" depends)
foreach(field "Package: cirrovanta" "Version: 1.0" "Depends: ${depends}")
    string(FIND "${fields}" "${field}" at)
    if(at EQUAL -1)
        fail("has no control field \"${field}\"")
    endif()
endforeach()

execute_process(COMMAND "${DPKG_DEB}" --contents "${deb}"
    OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    fail("dpkg-deb cannot list the contents")
endif()
# Only the paths: the last word of each line.
string(REGEX REPLACE "[^\n]* \\./" "/" listing "${listing}")
string(REPLACE "\n" ";" paths "${listing}")

set(expected
    /opt/cirrovanta/bin/cirrovanta
    /usr/share/applications/cirrovanta.desktop
    /usr/share/metainfo/io.github.velmoran.cirrovanta.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/cirrovanta.svg
    /usr/share/icons/hicolor/48x48/apps/cirrovanta.png
    /usr/share/icons/hicolor/64x64/apps/cirrovanta.png
    /usr/share/icons/hicolor/128x128/apps/cirrovanta.png
    /usr/share/icons/hicolor/256x256/apps/cirrovanta.png)
file(GLOB_RECURSE qml RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/qml/*")
file(GLOB sounds RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/sounds/*.wav")
foreach(file ${qml} ${sounds})
    if(NOT file MATCHES "(^|/)\\.|~$")
        list(APPEND expected "/opt/cirrovanta/${file}")
    endif()
endforeach()
foreach(path ${expected})
    list(FIND paths "${path}" at)
    if(at EQUAL -1)
        fail("lacks ${path}")
    endif()
endforeach()

foreach(path ${paths})
    if(path AND NOT path MATCHES "^/(opt/cirrovanta|usr/share/(applications|metainfo|icons/hicolor))?/"
       AND NOT path MATCHES "^/(opt|usr|usr/share|usr/share/icons)?/?$")
        fail("installs ${path}, outside the game's tree and the desktop's directories")
    endif()
endforeach()
list(FILTER paths INCLUDE REGEX "^/opt/cirrovanta/share")
if(paths)
    fail("duplicates the desktop files in /opt: ${paths}")
endif()

# The menu entry starts the installed program in its own directory.
set(unpacked "${BINARY_DIR}/packages/unpacked")
file(REMOVE_RECURSE "${unpacked}")
execute_process(COMMAND "${DPKG_DEB}" --extract "${deb}" "${unpacked}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    fail("cannot be unpacked")
endif()
file(READ "${unpacked}/usr/share/applications/cirrovanta.desktop" entry)

# The files as shipped satisfy the desktop's validators, where installed.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}"
        "${unpacked}/usr/share/applications/cirrovanta.desktop" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        fail("ships a desktop entry that desktop-file-validate rejects")
    endif()
endif()
if(APPSTREAMCLI)
    # Checks the AppStream file together with the desktop entry and icon it names.
    execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net --pedantic "${unpacked}"
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        fail("ships AppStream data that appstreamcli validate-tree rejects")
    endif()
endif()
file(REMOVE_RECURSE "${unpacked}")
foreach(line "Exec=/opt/cirrovanta/bin/cirrovanta" "Path=/opt/cirrovanta" "Icon=cirrovanta")
    string(FIND "${entry}" "\n${line}\n" at)
    if(at EQUAL -1)
        fail("desktop entry lacks ${line}")
    endif()
endforeach()
message("package contents are complete")
