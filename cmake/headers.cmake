# A library's headers are included as "<folder>/<name>.h" by the targets that link it, and by no
# other: each folder of src/ gets an include root of its own that holds that folder alone (a link to
# it), so an include that reaches past what a library links does not compile.
function(coilwise_headers target)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${PROJECT_BINARY_DIR}/include/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
