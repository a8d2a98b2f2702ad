# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian package from the built program into a scratch folder and checks what a
# school's machines depend on: every library the program links must be named in Depends
# (else it installs and fails to start), and lintian finds no error or warning.
# Run as: cmake -DBUILD_DIR=... -DWORK=... [-DLINTIAN=...] -P package_test.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK}"
                WORKING_DIRECTORY "${BUILD_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}): ${out}${err}")
endif()
if(out MATCHES "dpkg-shlibdeps" OR err MATCHES "dpkg-shlibdeps")
  message(FATAL_ERROR "cpack could not find the libraries' packages: ${out}${err}")
endif()
file(GLOB debs "${WORK}/vivarnon_*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${WORK}, found: ${debs}")
endif()
execute_process(COMMAND dpkg-deb -f "${debs}" Depends OUTPUT_VARIABLE depends RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${debs}")
endif()
foreach(needed libc6 libstdc\\+\\+6 libgcc-s1 libqt6core6 libqt6gui6 libqt6widgets6
               libqt6printsupport6 libqt6svg6 libjpeg62-turbo qt6-qpa-plugins fonts-dejavu-core)
  if(NOT depends MATCHES "(^|[ ,|])${needed}([ ,(]|$)")
    message(FATAL_ERROR "the package does not depend on ${needed}: ${depends}")
  endif()
endforeach()
# The installed files a desktop and man need.
execute_process(COMMAND dpkg-deb -c "${debs}" OUTPUT_VARIABLE contents)
foreach(f usr/bin/vivarnon usr/share/man/man1/vivarnon.1.gz usr/share/doc/vivarnon/copyright
          usr/share/doc/vivarnon/changelog.gz usr/share/applications/dk.vivarnon.Vivarnon.desktop
          usr/share/icons/hicolor/16x16/apps/dk.vivarnon.Vivarnon.png
          usr/share/icons/hicolor/256x256/apps/dk.vivarnon.Vivarnon.png
          usr/share/vivarnon/Vivarnon.jpg)
  if(NOT contents MATCHES "\\./${f}\n")
    message(FATAL_ERROR "the package lacks ${f}")
  endif()
endforeach()
if(LINTIAN)
  execute_process(COMMAND "${LINTIAN}" --fail-on error,warning "${debs}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lintian: ${out}${err}")
  endif()
endif()
message(STATUS "Depends: ${depends}")
