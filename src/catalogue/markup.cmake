# The rules-text markup: tokens, splitter and runs (core); card icons and rendering (gui).
target_sources(vuzuruv_core PRIVATE markup.h markup.cpp)
target_sources(vuzuruv_gui PRIVATE cardtext.h cardtext.cpp icons/cardicons.qrc)
