# Shared compile settings for every target of the project.
function(om_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(OM_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # Every conversion between bytes and QString must be spelled out.
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
endfunction()

# A static library made of every source in the calling folder.
function(om_library target)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${target} STATIC ${_sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  om_target_defaults(${target})
endfunction()
