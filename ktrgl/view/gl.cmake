# COpenGL, the GL surfaces and the bitmap font.
list(APPEND VIEW_GL_SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/BitmapFont.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/EglSurface.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/GLSurface.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/OpenGL.cpp
)
