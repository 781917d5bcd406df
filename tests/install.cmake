# Installs the build into a fresh prefix and starts the installed command-line tool. Run by ctest:
#   cmake -DBUILD=<build folder> -DSOURCE=<source folder> -DPREFIX=<scratch prefix> -P install.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()
foreach(file bin/keelwright bin/keelwright-cli share/applications/keelwright.desktop
             share/icons/hicolor/256x256/apps/keelwright.png share/icons/hicolor/16x16/apps/keelwright.png
             share/mime/packages/keelwright-ship.xml share/mime/packages/keelwright-fleet.xml)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "${file} was not installed")
  endif()
endforeach()

# The installed tool reads a design; it needs no display and writes nothing.
file(MAKE_DIRECTORY "${PREFIX}/home")
execute_process(COMMAND ${CMAKE_COMMAND} -E env KEELWRIGHT_HOME=${PREFIX}/home QT_QPA_PLATFORM=offscreen
                        "${PREFIX}/bin/keelwright-cli" stats "${SOURCE}/tests/data/ships/vigilant.shp" --json
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT out MATCHES "\"name\": *\"Vigilant\"")
  message(FATAL_ERROR "the installed keelwright-cli did not read the design (${status}): ${out} ${errors}")
endif()
file(GLOB written "${PREFIX}/home/*")
if(written)
  message(FATAL_ERROR "the installed keelwright-cli wrote into its program folder: ${written}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
