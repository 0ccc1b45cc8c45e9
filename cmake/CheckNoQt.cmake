# Fails when a core source file or the window's model includes a Qt header: both must build and
# be tested without Qt.
file(GLOB_RECURSE files ${ROOT}/src/base/* ${ROOT}/src/settings/* ${ROOT}/src/graphics/*
     ${ROOT}/src/slides/* ${ROOT}/src/pdf/* ${ROOT}/src/patterns/* ${ROOT}/src/dxf/*
     ${ROOT}/src/output/* ${ROOT}/src/model/*)
set(bad "")
foreach(f ${files})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]*|Qt[A-Za-z]*/)")
    if(lines)
        list(APPEND bad "${f}: ${lines}")
    endif()
endforeach()
if(bad)
    message(FATAL_ERROR "Qt headers in the core:\n${bad}")
endif()
message(STATUS "core is free of Qt (${ROOT})")
