# The load bar and its dialogs, and the node result pages (with the result
# page base the element result pages share).
list(APPEND KTRGL_TABLES_NODE_SOURCES
    ActiveLoadCase.cpp
    LoadCaseWorker.cpp
    LoadGennerate.cpp
    NodeBar3.cpp
    NodePage3.cpp
    NodePage4.cpp
    NodePage5.cpp
    ResultTablePage.cpp
)
