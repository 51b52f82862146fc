# The layers, each a static library that links only the layers below it:
#   core  <-  aodd, checks  <-  cases  <-  batch run, ui  <-  the programs
# and include paths under which an upward include does not compile.
#
# A header is included by its folder, "core/cost.h", so its include directory is one that holds the
# folder. The source tree's root holds every folder, and would let core/ include "aodd/lookup.h"; no
# target gets it. Instead each folder has its own root in the build tree, layers/<folder>/, holding
# one link, <folder>, to the source folder and nothing else. A layer's library gives its own root as
# its PUBLIC include directory; linking a lower layer brings that one's. So a source sees its own
# folder and those its library links, and an include of a higher layer is "No such file or directory".
# (A quoted include is first looked for beside the including file: no folder holds another layer's.)
# tests/layers proves it with planted includes.
set(PUMPVALE_LAYERS_DIR ${PROJECT_BINARY_DIR}/layers)

# The include root that holds folder (core, aodd, ..., tests, fuzz, bench) alone.
function(pumpvale_include_root folder out)
    set(root ${PUMPVALE_LAYERS_DIR}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC) # replaces an old one
    set(${out} ${root} PARENT_SCOPE)
endfunction()

# A layer's static library, named name, made of folder's sources (the folder adds them), with the
# core's strict warnings.
function(pumpvale_add_layer name folder)
    pumpvale_include_root(${folder} root)
    add_library(${name} STATIC)
    target_include_directories(${name} PUBLIC ${root})
    pumpvale_strict_warnings(${name})
endfunction()
