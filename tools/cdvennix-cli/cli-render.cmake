# render and print: the cut-out form through the page engine (QtGui, QtPrintSupport; no
# widgets, no display).
target_link_libraries(cdvennix-cli PRIVATE cutoutform report)
