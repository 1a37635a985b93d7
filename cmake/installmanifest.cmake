# SPDX-License-Identifier: MIT
# Run by `cmake --install` (install(CODE) in CMakeLists.txt), twice: with
# PELBIX_MANIFEST_STEP "begin" before anything is installed and "end" after
# everything. It writes PREFIX/<datadir>/pelbixsolo/installed-files: every
# file this install made and every folder it had to create, relative to the
# prefix, which the uninstall script beside it removes again. The list lives
# in the install, not in the build folder, so a DESTDIR staging run or a
# second build folder cannot overwrite the list of the real install.
#
# Inputs: PELBIX_MANIFEST_STEP, PELBIX_MANIFEST_DIR (relative to the prefix),
# PELBIX_MANIFEST_FOLDERS (destination folders, relative to the prefix),
# PELBIX_MANIFEST_STATE (a file in the build folder between the two steps).
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(list_file "${prefix}/${PELBIX_MANIFEST_DIR}/installed-files")

if(PELBIX_MANIFEST_STEP STREQUAL "begin")
    # The folders missing now are the ones this install creates; those a
    # former install created stay on its list.
    set(made "")
    foreach(folder IN LISTS PELBIX_MANIFEST_FOLDERS PELBIX_MANIFEST_DIR)
        set(path "${folder}")
        while(NOT path STREQUAL "" AND NOT path STREQUAL ".")
            if(NOT IS_DIRECTORY "${prefix}/${path}")
                list(APPEND made "${path}")
            endif()
            cmake_path(GET path PARENT_PATH path)
        endwhile()
    endforeach()
    if(EXISTS "${list_file}")
        file(STRINGS "${list_file}" former REGEX "^folder ")
        foreach(line IN LISTS former)
            string(SUBSTRING "${line}" 7 -1 folder)
            list(APPEND made "${folder}")
        endforeach()
    endif()
    list(REMOVE_DUPLICATES made)
    file(WRITE "${PELBIX_MANIFEST_STATE}" "${made}")
    return()
endif()

file(READ "${PELBIX_MANIFEST_STATE}" made)
set(lines "")
foreach(installed IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    # Listed as installed, with or without DESTDIR: the list names the
    # place the files will have once the staged tree is in place.
    if(NOT "$ENV{DESTDIR}" STREQUAL "")
        string(FIND "${installed}" "$ENV{DESTDIR}" at)
        if(at EQUAL 0)
            string(LENGTH "$ENV{DESTDIR}" length)
            string(SUBSTRING "${installed}" ${length} -1 installed)
        endif()
    endif()
    cmake_path(IS_PREFIX CMAKE_INSTALL_PREFIX "${installed}" NORMALIZE inside)
    if(inside)
        cmake_path(RELATIVE_PATH installed BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE installed)
    endif()
    list(APPEND lines "file ${installed}")
endforeach()
list(APPEND lines "file ${PELBIX_MANIFEST_DIR}/installed-files")
foreach(folder IN LISTS made)
    if(IS_DIRECTORY "${prefix}/${folder}")
        list(APPEND lines "folder ${folder}")
    endif()
endforeach()
list(REMOVE_DUPLICATES lines)
list(JOIN lines "\n" text)
file(WRITE "${list_file}" "${text}\n")
message(STATUS "Installed-files list: ${list_file}")
