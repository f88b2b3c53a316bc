# Puts the content of one button face into a raised or sunken frame.
#   cmake -DFACE=<face.svg> -DTEMPLATE=<frame-*.svg.in> -DOUT=<out.svg> -P wrap_face.cmake
# The face is a whole SVG file, so that it can be viewed and edited on its
# own; its size is taken from its width and height attributes.
file(READ ${FACE} face)
if(NOT face MATCHES "<svg[^>]*width=\"([0-9]+)\"[^>]*height=\"([0-9]+)\"[^>]*>(.*)</svg>")
  message(FATAL_ERROR "${FACE}: no <svg width=... height=...> element")
endif()
set(W ${CMAKE_MATCH_1})
set(H ${CMAKE_MATCH_2})
set(FACE ${CMAKE_MATCH_3})
foreach(d 1 2 3 4 6)
  math(EXPR W_${d} "${W} - ${d}")
  math(EXPR H_${d} "${H} - ${d}")
endforeach()
configure_file(${TEMPLATE} ${OUT} @ONLY)
