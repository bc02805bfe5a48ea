# Creates the empty results files of a new installation; existing ones stay.
file(MAKE_DIRECTORY ${DATA_DIR})
foreach(name tab.dat Vysledky.dat)
    if(NOT EXISTS ${DATA_DIR}/${name})
        file(WRITE ${DATA_DIR}/${name} "")
    endif()
endforeach()
