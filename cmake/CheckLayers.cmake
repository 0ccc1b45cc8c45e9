cmake_policy(SET CMP0057 NEW)
# Fails when a folder of src/ includes a folder above it (or beside it). The folders stand in
# layers, lowest first; a file may include its own folder and the folders below its layer:
#   base                byte streams, errors, paths, file helpers, UI hooks
#   settings graphics   the settings file and its values | canvas, palette, raster and
#                       metafile canvases, image file writers
#   slides  pdf         slide format, decoder, renderer, libraries | the PDF writer
#   patterns            hatch patterns
#   dxf                 DXF drawings: slides written as drawings, drawings drawn into slides
#   output              slides into image files, drawings and PDF
#   model               the window's state and commands, without Qt
#   app  cli            the Qt window | sldtool
set(layer_base 0)
set(layer_settings 1)
set(layer_graphics 1)
set(layer_slides 2)
set(layer_pdf 2)
set(layer_patterns 3)
set(layer_dxf 4)
set(layer_output 5)
set(layer_model 6)
set(layer_app 7)
set(layer_cli 7)
set(folders base settings graphics slides pdf patterns dxf output model app cli)

file(GLOB src_dirs RELATIVE ${ROOT}/src ${ROOT}/src/*)
set(bad "")
foreach(dir ${src_dirs})
    if(NOT IS_DIRECTORY ${ROOT}/src/${dir})
        continue()
    endif()
    if(NOT DEFINED layer_${dir})
        list(APPEND bad "src/${dir}: a folder with no layer (add it to cmake/CheckLayers.cmake)")
        continue()
    endif()
    file(GLOB_RECURSE files ${ROOT}/src/${dir}/*.h ${ROOT}/src/${dir}/*.cpp)
    foreach(f ${files})
        file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
        foreach(line ${lines})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/.*" "\\1" target "${line}")
            if(target STREQUAL dir OR NOT target IN_LIST folders)
                continue()
            endif()
            if(NOT layer_${target} LESS layer_${dir})
                file(RELATIVE_PATH rel ${ROOT} ${f})
                list(APPEND bad "${rel}: src/${dir} may not include src/${target}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(bad)
    string(REPLACE ";" "\n" bad "${bad}")
    message(FATAL_ERROR "Includes that reach up or sideways:\n${bad}")
endif()
message(STATUS "src/ folders include only the layers below them")
