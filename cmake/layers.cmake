# SPDX-License-Identifier: GPL-3.0-or-later
# The folders are layers that point one way: a folder includes headers of its
# own and of the folders listed for it, never of one above it. Checked at
# configure time, so a build that breaks the order does not start.
set(layer_document document)
set(layer_calculator document calculator)
set(layer_render document calculator render)
set(layer_tools document calculator render tools)
set(layer_codegen document calculator codegen)
set(layer_formats document calculator render codegen formats)
set(layer_app document calculator render tools codegen formats app)
set(layer_ui document calculator render tools codegen formats app ui)
set(layer_cli document calculator render codegen formats cli)
set(layer_names document calculator render tools codegen formats app ui cli)

foreach(layer ${layer_names})
  file(GLOB_RECURSE layer_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${layer}/*.h ${CMAKE_SOURCE_DIR}/${layer}/*.cpp)
  foreach(source ${layer_files})
    file(STRINGS ${source} includes REGEX "^#include \"[a-z_]+/")
    foreach(line ${includes})
      string(REGEX MATCH "\"([a-z_]+)/" found "${line}")
      set(folder ${CMAKE_MATCH_1})
      if(NOT folder IN_LIST layer_${layer})
        file(RELATIVE_PATH where ${CMAKE_SOURCE_DIR} ${source})
        message(FATAL_ERROR "${where} includes a header of ${folder}/, a layer ${layer}/ may not reach (see ARCHITECTURE.md)")
      endif()
    endforeach()
  endforeach()
endforeach()
# No Qt below app/: the core libraries do not link it, and a header of it
# would not even be found there.
