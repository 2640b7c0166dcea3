# Writes the demo firmware image: the text that states its version to the
# virtual mouse ("SOLUNE300-FW:1.08"), then about 20 KB of filler text.
# cmake -DOUT=<file> -DVERSION=<x.yy> -P MakeDemoImage.cmake
if(NOT OUT OR NOT VERSION)
  message(FATAL_ERROR "MakeDemoImage.cmake needs OUT and VERSION")
endif()
string(REPEAT "SOLUNE 300 demo firmware image for the virtual mouse.\n" 380 filler)
get_filename_component(folder ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${OUT} "SOLUNE300-FW:${VERSION}\n${filler}")
