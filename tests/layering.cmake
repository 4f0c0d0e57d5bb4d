# Which layer may include which: every #include of a file under src/ must
# match the rule of the first folder pattern its path matches. Run as
#   cmake -DSOURCE_DIR=<project> -P tests/layering.cmake
# Headers outside the project (<...> without a folder of ours) are free,
# except Qt's, which only the window, the chart and the tools may use.
set(rules
  # folder                allowed project includes
  "src/numeric/"          "numeric/"
  "src/calc/[a-z]+\\.h"   "numeric/"
  "src/calc/sweep/"       "numeric/|calc/[a-z]+\\.h|calc/(sweep|line|tuner|measurement)/"
  "src/calc/match/"       "numeric/|calc/[a-z]+\\.h|calc/(match|sweep|line|measurement|tuner)/"
  "src/calc/([a-z]+)/"    "numeric/|calc/[a-z]+\\.h|calc/\\1/"
  "src/app/layout/"       "app/layout/"
  "src/app/chart/"        "app/chart/|numeric/"
  "src/app/controls/"     "app/controls/|app/layout/|numeric/"
  "src/app/panels/"       "app/panels/|app/controls/|app/layout/|app/chart/|calc/|numeric/"
  "src/app/"              "app/|calc/|numeric/"
  "src/tools/guide_pictures\\.cpp" "app/"  # the guide's pictures, from the real window
  "src/tools/"            "tools/")
set(no_qt "src/numeric/|src/calc/|src/app/layout/")

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include [\"<]")
  list(LENGTH rules count)
  math(EXPR last "${count} - 1")
  foreach(index RANGE 0 ${last} 2)
    list(GET rules ${index} folder)
    if(source MATCHES "^${folder}")
      math(EXPR next "${index} + 1")
      list(GET rules ${next} allowed)
      # \1 stands for the folder's own name (calc/swr/ may include calc/swr/).
      if(CMAKE_MATCH_1)
        string(REPLACE "\\1" "${CMAKE_MATCH_1}" allowed "${allowed}")
      endif()
      break()
    endif()
  endforeach()
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include [\"<]([^\">]+)[\">].*" "\\1" header "${line}")
    if(line MATCHES "^#include \"" AND NOT header MATCHES "^(${allowed})"
       AND NOT header MATCHES "^moc_|\\.moc$")
      list(APPEND faults "${source}: ${header}")
    endif()
    if(source MATCHES "^(${no_qt})" AND header MATCHES "^Q")
      list(APPEND faults "${source}: ${header} (no Qt here)")
    endif()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n  " shown)
  message(FATAL_ERROR "Includes across the layers:\n  ${shown}")
endif()
list(LENGTH sources checked)
message(STATUS "${checked} files keep to their layers")
