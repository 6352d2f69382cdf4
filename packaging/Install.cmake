# Install rules: the programs in bin/, what the window reads at run time in share/sudoku-atelier/
# (found there relative to bin/), and the desktop integration: desktop entry, hicolor icons,
# AppStream metadata and man pages.
set(SUDOKU_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/sudoku-atelier)
set(SUDOKU_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(SUDOKU_RESOURCES_DIR ${PROJECT_SOURCE_DIR}/resources)
# Where the project is published; the metadata links it and its screenshots under docs/.
set(SUDOKU_HOMEPAGE "https://github.com/sudokuatelier/sudoku-atelier" CACHE STRING
    "Home page named in the package and the AppStream metadata")
set(SUDOKU_SCREENSHOT_BASE "https://raw.githubusercontent.com/sudokuatelier/sudoku-atelier/main/docs"
    CACHE STRING "Address of the folder that holds the screenshots of docs/")

install(TARGETS sudoku-engine RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Man pages, compressed as Debian and most distributions keep them.
set(SUDOKU_MAN_PAGES sudoku-engine.1)
if(SUDOKU_GUI)
    list(APPEND SUDOKU_MAN_PAGES sudoku-atelier.6)
endif()
foreach(page ${SUDOKU_MAN_PAGES})
    set(source ${SUDOKU_RESOURCES_DIR}/man/${page})
    set(packed ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${packed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
        COMMAND gzip -9nc ${source} > ${packed}
        DEPENDS ${source}
        COMMENT "Compressing the man page ${page}")
    list(APPEND SUDOKU_PACKED_MAN_PAGES ${packed})
    string(REGEX MATCH "[0-9]+$" section ${page})
    install(FILES ${packed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${SUDOKU_PACKED_MAN_PAGES})

if(NOT SUDOKU_GUI)
    return()
endif()

install(TARGETS sudoku-atelier RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${SUDOKU_APP_DIR}/SuDoku.lng DESTINATION ${SUDOKU_SHARE_DIR})
install(DIRECTORY ${SUDOKU_RESOURCES_DIR}/displaysets/ DESTINATION "${SUDOKU_SHARE_DIR}/Display Sets")
install(DIRECTORY ${SUDOKU_RESOURCES_DIR}/help DESTINATION ${SUDOKU_SHARE_DIR})

# The desktop entry starts the program by its full path, known only when installing (the prefix
# given to cmake --install, or the package's), so the entry is completed then.
set(SUDOKU_DESKTOP_TEMPLATE ${CMAKE_CURRENT_BINARY_DIR}/${SUDOKU_APP_ID}.desktop.in)
configure_file(${SUDOKU_PACKAGING_DIR}/sudoku-atelier.desktop.in ${SUDOKU_DESKTOP_TEMPLATE} @ONLY)
install(CODE "
    set(SUDOKU_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/sudoku-atelier\")
    set(entry \"${CMAKE_CURRENT_BINARY_DIR}/install-entry/${SUDOKU_APP_ID}.desktop\")
    configure_file(\"${SUDOKU_DESKTOP_TEMPLATE}\" \"\${entry}\")
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
         TYPE FILE FILES \"\${entry}\")")
configure_file(${SUDOKU_PACKAGING_DIR}/sudoku-atelier.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${SUDOKU_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${SUDOKU_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons drawn by `skinpaint icons` (the splash emblem; the SVG copies it), renamed after the
# application id.
file(GLOB SUDOKU_ICON_FILES RELATIVE ${SUDOKU_RESOURCES_DIR}/icons/hicolor
     ${SUDOKU_RESOURCES_DIR}/icons/hicolor/*/apps/sudoku-atelier.*)
foreach(icon ${SUDOKU_ICON_FILES})
    get_filename_component(folder ${icon} DIRECTORY)
    get_filename_component(extension ${icon} LAST_EXT)
    install(FILES ${SUDOKU_RESOURCES_DIR}/icons/hicolor/${icon}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${folder}
            RENAME ${SUDOKU_APP_ID}${extension})
endforeach()
