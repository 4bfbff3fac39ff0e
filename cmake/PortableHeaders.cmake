# kestrel_check_portable_headers(<kestrel_core sources>...)
#
# Compiles every portable header alone, each in a generated one-line .cpp
# that includes only that header, so a header that pulls in <windows.h> or
# leans on an include it does not make itself breaks the build.
#
# A file is portable when it is listed in kestrel_core: the portable headers
# are every header given and the header beside every .cpp given. A file
# whose name promises portability (everything under src/core/, every
# *_rules, *_model and *_layout header) must be listed there too, so the
# name never claims more than the check proves.
function(kestrel_check_portable_headers)
  set(headers)
  foreach(source IN LISTS ARGN)
    string(REGEX REPLACE "\\.cpp$" ".h" header ${source})
    if(EXISTS ${PROJECT_SOURCE_DIR}/${header})
      list(APPEND headers ${header})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES headers)
  list(SORT headers)

  file(GLOB_RECURSE named_portable CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
    ${PROJECT_SOURCE_DIR}/src/core/*.h
    ${PROJECT_SOURCE_DIR}/src/*_rules.h
    ${PROJECT_SOURCE_DIR}/src/*_model.h
    ${PROJECT_SOURCE_DIR}/src/*_layout.h)
  foreach(header IN LISTS named_portable)
    if(NOT header IN_LIST headers)
      message(FATAL_ERROR "${header} is named as portable but is not listed in kestrel_core")
    endif()
  endforeach()

  set(units)
  foreach(header IN LISTS headers)
    string(REGEX REPLACE "^src/" "" included ${header})
    string(REGEX REPLACE "[/.]" "_" stem ${included})
    set(unit ${CMAKE_BINARY_DIR}/portable_headers/${stem}.cpp)
    # Written only when it changes, so a reconfigure rebuilds nothing.
    file(CONFIGURE OUTPUT ${unit} CONTENT "#include \"${included}\"\n")
    list(APPEND units ${unit})
  endforeach()

  add_library(portable_headers OBJECT ${units})
  target_include_directories(portable_headers PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/resources)
endfunction()
