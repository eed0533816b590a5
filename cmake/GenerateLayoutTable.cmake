# Turns data/reference-layout.tsv into a C++ source holding its rows, so the
# recording platform models exactly the layout file kept in the repository.
# Usage: cmake -DINPUT=... -DOUTPUT=... -P GenerateLayoutTable.cmake
cmake_minimum_required(VERSION 3.25)
file(STRINGS "${INPUT}" lines)
set(char_rows "")
set(vk_rows "")
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  string(REPLACE "\t" ";" fields "${line}")
  list(LENGTH fields count)
  list(GET fields 0 kind)
  if(kind STREQUAL "char" AND count EQUAL 4)
    list(GET fields 1 code)
    list(GET fields 2 vk)
    list(GET fields 3 oem)
    string(APPEND char_rows "    {${code}, ${vk}, ${oem}u},\n")
  elseif(kind STREQUAL "vk" AND count EQUAL 3)
    list(GET fields 1 code)
    list(GET fields 2 scan)
    string(APPEND vk_rows "    {${code}, ${scan}},\n")
  else()
    message(FATAL_ERROR "reference layout: malformed row: ${line}")
  endif()
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from data/reference-layout.tsv; do not edit.
#include \"platform/recording/reference_layout.h\"

namespace keystrip::recording {

const LayoutCharRow kLayoutCharRows[] = {
${char_rows}};
const std::size_t kLayoutCharRowCount = sizeof kLayoutCharRows / sizeof kLayoutCharRows[0];

const LayoutVirtualKeyRow kLayoutVirtualKeyRows[] = {
${vk_rows}};
const std::size_t kLayoutVirtualKeyRowCount = sizeof kLayoutVirtualKeyRows / sizeof kLayoutVirtualKeyRows[0];

}  // namespace keystrip::recording
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
