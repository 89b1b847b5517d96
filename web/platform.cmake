# The browser edition's platform: Emscripten brings GLUT, GL (with the
# fixed-function pipeline emulated on WebGL) and SDL, so these targets only
# stand for them and the game's libraries link alike in both builds.
foreach(target GLUT::GLUT OpenGL::GL OpenGL::GLU)
  add_library(${target} INTERFACE IMPORTED)
endforeach()
set_target_properties(GLUT::GLUT PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${CMAKE_CURRENT_LIST_DIR}/include)

# The pictures and sounds a desktop build generated; the font comes in
# through LINKLOOM_FONT_SOURCE.
set(LINKLOOM_WEB_DATA "" CACHE PATH "Run directory of a desktop build")
if(NOT EXISTS ${LINKLOOM_WEB_DATA}/images/titlescreen.png)
  message(FATAL_ERROR "LINKLOOM_WEB_DATA must name a desktop build's run "
                      "directory with its generated images and audio")
endif()
