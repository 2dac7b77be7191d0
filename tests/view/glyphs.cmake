# CGeometry load glyphs, displaced shape, force diagrams and local axes.
list(APPEND VIEW_TEST_GLYPH_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GlyphMathTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlyphLoadsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlyphResultsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlyphAxesTest.cpp
)
