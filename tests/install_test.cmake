# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the built program into a scratch prefix and starts the installed copy in the
# scripted mode from a directory that holds no data files: it must find its photograph in
# <prefix>/share/vivarnon/, and the desktop entry, icon and metainfo must be in place.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P install_test.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

foreach(f bin/vivarnon share/vivarnon/Vivarnon.jpg
          share/applications/dk.vivarnon.Vivarnon.desktop
          share/icons/hicolor/scalable/apps/dk.vivarnon.Vivarnon.svg
          share/metainfo/dk.vivarnon.Vivarnon.metainfo.xml)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
if(EXISTS "${PREFIX}/bin/Vivarnon.jpg")
  message(FATAL_ERROR "data files belong in share/vivarnon/, not beside the program")
endif()

# Started elsewhere, the start picture needs the photograph from share/vivarnon/; a table
# and a picture come out as from the built program.
set(work "${PREFIX}/work")
file(MAKE_DIRECTORY "${work}")
file(WRITE "${work}/figure.txt" "select 1\nsave start.png\nselect 7\nsave drop.png\nsavetable drop.csv\ncaption\n")
execute_process(COMMAND "${PREFIX}/bin/vivarnon" --script figure.txt
                WORKING_DIRECTORY "${work}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the installed program failed (${rc}): ${err}")
endif()
if(err MATCHES "Vivarnon.jpg")
  message(FATAL_ERROR "the installed program did not find its photograph: ${err}")
endif()
foreach(f start.png drop.png drop.csv)
  if(NOT EXISTS "${work}/${f}")
    message(FATAL_ERROR "the installed program wrote no ${f}")
  endif()
endforeach()
file(SIZE "${work}/drop.png" size)
if(size LESS 1000)
  message(FATAL_ERROR "drop.png is only ${size} bytes")
endif()
message(STATUS "installed program ran: ${out}")
