# Sanitizers every target is built with: a list such as "address;undefined" or "thread".
set(OM_SANITIZE "" CACHE STRING "Sanitizers for every target, e.g. address;undefined or thread")

# Shared compile settings for every target of the project.
function(om_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(OM_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(OM_SANITIZE)
    # A finding ends the run instead of being reported and carried on past.
    list(JOIN OM_SANITIZE "," _sanitizers)
    target_compile_options(${target} PRIVATE -fsanitize=${_sanitizers} -fno-sanitize-recover=all
                                             -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=${_sanitizers})
    # Tests that measure the process's own memory leave that out: shadow memory counts too.
    target_compile_definitions(${target} PRIVATE OM_SANITIZED)
  endif()
  # Every conversion between bytes and QString must be spelled out.
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
endfunction()

# A static library made of every source in the calling folder. A folder with no sources yet
# gives an interface library, so that the targets above it still link.
# Link dependencies go through om_link so that they work in both cases.
function(om_library target)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB _headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(_sources)
    add_library(${target} STATIC ${_sources} ${_headers})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    om_target_defaults(${target})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

function(om_link target)
  get_target_property(_type ${target} TYPE)
  if(_type STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${target} INTERFACE ${ARGN})
  else()
    target_link_libraries(${target} PUBLIC ${ARGN})
  endif()
endfunction()
