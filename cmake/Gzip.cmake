# cmake -DIN=file -DOUT=file.gz -P Gzip.cmake: compresses IN at the best level, without a name
# or time stamp in the header, so the output depends on the contents only.
execute_process(COMMAND gzip -9nc ${IN} OUTPUT_FILE ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE ${OUT})
    message(FATAL_ERROR "gzip ${IN}: ${result}")
endif()
