# Built-in skin pictures (drawn by tools/skinpaint), compiled into the presentation library
# under the resource prefix ":/skins/".
file(GLOB SUDOKU_SKIN_PICTURES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.png)
if(SUDOKU_SKIN_PICTURES)
    qt_add_resources(sudoku_ui sudoku_skins PREFIX "/skins" BASE ${CMAKE_CURRENT_LIST_DIR}
                     FILES ${SUDOKU_SKIN_PICTURES})
endif()
