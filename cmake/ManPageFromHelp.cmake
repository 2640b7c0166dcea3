# Writes a program's manual page from its own --help texts, so the page never
# tells another story than the program: the page's fixed parts come from a
# template, and its line @HELP@ becomes the top help (DESCRIPTION) followed,
# for a program with commands, by the help of every command and sub-command
# (COMMANDS), found by walking the "Subcommands:" lists. @VERSION@ becomes the
# version. The page is written as OUT and, compressed as Debian installs
# manual pages (gzip -9n: no name, no time stamp), as OUT.gz.
#
#   cmake -DPROGRAM=<program> -DTEMPLATE=<name.1.in> -DVERSION=<version>
#         -DOUT=<name.1> -P ManPageFromHelp.cmake

# "@NAME@" stays literal text in quoted arguments only under today's rules.
cmake_minimum_required(VERSION 3.25)

get_filename_component(program_name "${PROGRAM}" NAME)

function(help_of out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help
    OUTPUT_VARIABLE text RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${program_name} ${ARGN} --help failed: ${result}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The names listed under "Subcommands:" in a help text.
function(subcommands_of text out)
  string(REPLACE "\n" ";" lines "${text}")
  set(names)
  set(inside FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[Ss][Uu][Bb][Cc][Oo][Mm][Mm][Aa][Nn][Dd][Ss]:")
      set(inside TRUE)
    elseif(inside AND line MATCHES "^  +([a-z][a-z0-9-]*)")
      list(APPEND names ${CMAKE_MATCH_1})
    elseif(inside AND NOT line MATCHES "^ ")
      set(inside FALSE)
    endif()
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# A help text as literal roff lines.
function(as_roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} ".nf\n${text}.fi\n" PARENT_SCOPE)
endfunction()

help_of(top)
as_roff("${top}" roff)
set(help ".SH DESCRIPTION\n${roff}")

subcommands_of("${top}" commands)
if(commands)
  string(APPEND help ".SH COMMANDS\n")
endif()
set(pending ${commands})
while(pending)
  list(POP_FRONT pending path)
  string(REPLACE ":" ";" words "${path}")
  help_of(text ${words})
  string(REPLACE ";" " " title "${program_name} ${words}")
  as_roff("${text}" roff)
  string(APPEND help ".SS \"${title}\"\n${roff}")
  subcommands_of("${text}" children)
  set(next)
  foreach(child IN LISTS children)
    list(APPEND next "${path}:${child}")
  endforeach()
  list(PREPEND pending ${next})
endwhile()

file(READ "${TEMPLATE}" page)
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@HELP@\n" "${help}" page "${page}")
file(WRITE "${OUT}" "${page}")
execute_process(COMMAND gzip -9n -c "${OUT}" OUTPUT_FILE "${OUT}.gz" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip ${OUT} failed: ${result}")
endif()
