# Fails when a room includes a header of a room above it. Run by ctest:
#   cmake -DROOT=<source folder> -P layering.cmake
cmake_minimum_required(VERSION 3.25)

# Each entry: a room, then the rooms its files may include (its own among them).
set(rules
  "model:model"
  "storage:model,storage"
  "display:model,storage,display"
  "common:model,storage,display,common"
  "common/ui:model,storage,display,common,common/ui"
  "editor:model,storage,display,common,editor"
  "editor/ui:model,storage,display,common,common/ui,editor,editor/ui"
  "fleet:model,storage,display,common,editor,fleet"
  "shell:model,storage,display,common,shell"
  "shell/ui:model,storage,display,common,common/ui,editor,editor/ui,shell,shell/ui"
  "cli:model,storage,display,common,editor,fleet,cli")

set(broken 0)
foreach(rule IN LISTS rules)
  string(REPLACE ":" ";" parts "${rule}")
  list(GET parts 0 room)
  list(GET parts 1 allowed)
  string(REPLACE "," ";" allowed "${allowed}")
  file(GLOB files "${ROOT}/${room}/*.h" "${ROOT}/${room}/*.cpp")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include \"(.+)/[^/]+\"")
        if(NOT CMAKE_MATCH_1 IN_LIST allowed)
          file(RELATIVE_PATH shown "${ROOT}" "${file}")
          message("${shown}: ${line} reaches up from ${room}/")
          math(EXPR broken "${broken} + 1")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()
if(broken GREATER 0)
  message(FATAL_ERROR "${broken} include(s) break the layering")
endif()
