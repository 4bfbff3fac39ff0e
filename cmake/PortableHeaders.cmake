# kestrel_check_portable_headers(<portable sources>...)
#
# Compiles every portable header alone, each in a generated one-line .cpp
# that includes only that header, so a header that pulls in <windows.h> or
# leans on an include it does not make itself breaks the build.
#
# Portable headers are everything under src/core/, every *_rules.h,
# *_model.h and *_layout.h, and the header beside each given source.
function(kestrel_check_portable_headers)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
    ${PROJECT_SOURCE_DIR}/src/core/*.h
    ${PROJECT_SOURCE_DIR}/src/*_rules.h
    ${PROJECT_SOURCE_DIR}/src/*_model.h
    ${PROJECT_SOURCE_DIR}/src/*_layout.h)
  foreach(source IN LISTS ARGN)
    string(REGEX REPLACE "\\.cpp$" ".h" header ${source})
    if(EXISTS ${PROJECT_SOURCE_DIR}/${header})
      list(APPEND headers ${header})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES headers)
  list(SORT headers)

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
