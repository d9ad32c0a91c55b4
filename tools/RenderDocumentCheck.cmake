# Runs render_document on one equation file and checks the outcome:
#   cmake -DTOOL=... -DFILE=... -DOUT=... -DEXPECT=picture|failure -P RenderDocumentCheck.cmake
# "picture": exit code 0 and a PNG of 400 x 300 pixels written; "failure": a non-zero exit
# code, a message naming the file, and no picture.
file(REMOVE ${OUT})
execute_process(COMMAND ${TOOL} ${FILE} ${OUT} 400 300 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
get_filename_component(name ${FILE} NAME)
if(EXPECT STREQUAL "picture")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "render_document failed (${rc}): ${err}")
  endif()
  file(READ ${OUT} header LIMIT 24 HEX)
  # The PNG signature, then the IHDR chunk with the width and height.
  if(NOT header STREQUAL "89504e470d0a1a0a0000000d49484452000001900000012c")
    message(FATAL_ERROR "not a 400 x 300 PNG: ${header}")
  endif()
else()
  if(rc EQUAL 0)
    message(FATAL_ERROR "render_document drew a file that does not load")
  endif()
  string(FIND "${err}" "${name}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the message does not name the file: ${err}")
  endif()
  if(EXISTS ${OUT})
    message(FATAL_ERROR "a picture was written for a file that does not load")
  endif()
endif()
