# Offscreen OpenGL test fixture: EGL context, feedback parser, pixel reader.
if(TARGET ktrgl_view)
    add_library(kestra_gl_fixture STATIC
        ${CMAKE_CURRENT_LIST_DIR}/GlFeedback.cpp
        ${CMAKE_CURRENT_LIST_DIR}/GlFixture.cpp
        ${CMAKE_CURRENT_LIST_DIR}/GlPixels.cpp
    )
    target_include_directories(kestra_gl_fixture PUBLIC ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(kestra_gl_fixture PUBLIC ktrgl_view GTest::gtest Qt6::Gui
        OpenGL::OpenGL OpenGL::GLU OpenGL::EGL)
endif()
