# Tests of COpenGL, the GL surfaces, the bitmap font and the GL test fixture.
list(APPEND VIEW_TEST_GL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GlFeedbackTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlFontTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlPixelFormatTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlViewTest.cpp
)
