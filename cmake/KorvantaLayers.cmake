# The layers of the program: core (no Qt), logic (on core), then the command (on logic, no Qt either)
# and the windows (on logic, and on the command for what they save as the command prints it). Every
# header is included by its folder ("core/single.h"). A library puts only its own folder on the include
# path, through a link to it in a directory of its own, so a source reaches another layer's headers
# only by linking that layer: core cannot include logic or ui, logic cannot include ui.
function(korvanta_expose_folder target folder)
  set(root ${PROJECT_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
