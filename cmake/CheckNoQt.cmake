# Fails when a core source file includes a Qt header: the core must build without Qt.
file(GLOB_RECURSE files ${ROOT}/src/base/* ${ROOT}/src/slides/* ${ROOT}/src/render/*
     ${ROOT}/src/pdf/* ${ROOT}/src/patterns/*)
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
