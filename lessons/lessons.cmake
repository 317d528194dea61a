# The lessons' names for CMake, from lessons.list (the one place a lesson is added): VEC_LESSONS
# in teaching order and VEC_LESSON_HEADERS, their form headers. Included by the desktop build and
# by the web build (tools/web/CMakeLists.txt).
set(VEC_LESSON_LIST ${CMAKE_CURRENT_LIST_DIR}/lessons.list)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VEC_LESSON_LIST})
file(STRINGS ${VEC_LESSON_LIST} vec_lesson_lines ENCODING UTF-8 REGEX "^LESSON\\(")
set(VEC_LESSONS "")
set(VEC_LESSON_HEADERS "")
foreach(line IN LISTS vec_lesson_lines)
  if(NOT line MATCHES "^LESSON\\(([a-z][a-z0-9_]*), *\"([^\"]+)\"")
    message(FATAL_ERROR "lessons.list: cannot read the name and form header of: ${line}")
  endif()
  list(APPEND VEC_LESSONS ${CMAKE_MATCH_1})
  list(APPEND VEC_LESSON_HEADERS ${CMAKE_MATCH_2})
endforeach()
if(NOT VEC_LESSONS)
  message(FATAL_ERROR "lessons.list names no lesson")
endif()

# Writes DIR/lesson_forms.h, which includes every lesson's form header for lessons.cpp; written
# only when it changes, so a configure run alone recompiles nothing.
function(vec_write_lesson_forms dir)
  set(text "// Written by CMake from lessons/lessons.list: every lesson's form.\n#pragma once\n")
  foreach(header IN LISTS VEC_LESSON_HEADERS)
    string(APPEND text "#include \"${header}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${dir}/lesson_forms.h CONTENT "${text}" @ONLY)
endfunction()
