# The Debian package, made by `cpack -G DEB` from the install rules. Its dependencies come from
# dpkg-shlibdeps on the installed programs; the copyright and changelog go where Debian keeps
# them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sudoku-atelier)
set(CPACK_PACKAGE_VENDOR "The Sudoku Atelier developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "play, solve and design Sudoku puzzles")
# The long description as dpkg shows it: lines under 80 characters, "." for an empty line.
set(CPACK_PACKAGE_DESCRIPTION [=[Sudoku Atelier is a desktop program for playing, solving and designing
Sudoku puzzles. Besides the classic 9 x 9 grid of 3 x 3 boxes it knows 18
other box shapes, so a grid holds from 4 to 16 symbols. It generates puzzles
at four levels, each with exactly one solution, keeps a library of your
puzzles with their play statistics, and shows digits, letters or picture
sets as symbols.
.
The command-line engine sudoku-engine solves, generates and rates puzzles
written one a line.]=])
set(CPACK_PACKAGE_CONTACT "The Sudoku Atelier developers <sudoku-atelier@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian keeps the copyright and the (compressed) changelog in /usr/share/doc/<package>/.
set(SUDOKU_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/sudoku-atelier)
install(FILES ${SUDOKU_PACKAGING_DIR}/copyright DESTINATION ${SUDOKU_DOC_DIR})
configure_file(${SUDOKU_PACKAGING_DIR}/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
set(SUDOKU_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${SUDOKU_CHANGELOG}
    COMMAND gzip -9nc ${CMAKE_CURRENT_BINARY_DIR}/changelog > ${SUDOKU_CHANGELOG}
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
    COMMENT "Compressing the changelog")
add_custom_target(package_changelog ALL DEPENDS ${SUDOKU_CHANGELOG})
install(FILES ${SUDOKU_CHANGELOG} DESTINATION ${SUDOKU_DOC_DIR})

set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SUDOKU_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help button opens the help pages through xdg-open, which no library link reveals.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
# Folders made by the install get the usual 0755, whatever the umask of the one who builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
