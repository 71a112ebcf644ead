# Installs the desktop entry, the icon and the AppStream data (run at install
# time, CIRROVANTA_PACKAGING_DIR and CIRROVANTA_PACKAGING_BINARY_DIR set).
#
# A game tree under /opt is a system-wide install: the files go to /usr/share,
# where every desktop looks. Any other prefix keeps them in <prefix>/share, so
# installing into a private tree never writes outside it.

if(CMAKE_INSTALL_PREFIX MATCHES "^/opt/")
    set(share "/usr/share")
else()
    set(share "${CMAKE_INSTALL_PREFIX}/share")
endif()

# The entry starts the program of this prefix, in this prefix: the game looks
# for its translation in the working directory.
file(READ "${CIRROVANTA_PACKAGING_DIR}/cirrovanta.desktop" entry)
string(REPLACE "/opt/cirrovanta" "${CMAKE_INSTALL_PREFIX}" entry "${entry}")
# One staging file per destination: installs into different trees may run at once.
string(MD5 key "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
set(staged "${CIRROVANTA_PACKAGING_BINARY_DIR}/staged/${key}")
file(MAKE_DIRECTORY "${staged}")
file(WRITE "${staged}/cirrovanta.desktop" "${entry}")

file(INSTALL DESTINATION "${share}/applications" TYPE FILE
    FILES "${staged}/cirrovanta.desktop")
# Software centres expect the AppStream file to be named after its id.
file(INSTALL DESTINATION "${share}/metainfo" TYPE FILE
    FILES "${CIRROVANTA_PACKAGING_DIR}/cirrovanta.metainfo.xml"
    RENAME "io.github.velmoran.cirrovanta.metainfo.xml")
file(INSTALL DESTINATION "${share}/icons" TYPE DIRECTORY
    FILES "${CIRROVANTA_PACKAGING_DIR}/icons/hicolor")
