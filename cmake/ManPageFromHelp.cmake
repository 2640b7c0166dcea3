# Writes the manual page of solune300ctl from its own --help texts, so the page
# never tells another story than the program: the top help, then the help of
# every command and sub-command, found by walking the "Subcommands:" lists.
#
#   cmake -DCTL=<solune300ctl> -DVERSION=<version> -DOUT=<file.1> -P ManPageFromHelp.cmake

function(help_of out)
  execute_process(COMMAND ${CTL} ${ARGN} --help
    OUTPUT_VARIABLE text RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "solune300ctl ${ARGN} --help failed: ${result}")
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

set(page ".TH SOLUNE300CTL 1 \"\" \"solune300 ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\nsolune300ctl \\- configure the SOLUNE 300 mouse and its files from the command line\n")
string(APPEND page ".SH SYNOPSIS\n.B solune300ctl\n\\fICOMMAND\\fR \\fISUBCOMMAND\\fR [\\fIARGUMENTS\\fR] [\\fIOPTIONS\\fR]\n")
help_of(top)
as_roff("${top}" roff)
string(APPEND page ".SH DESCRIPTION\n${roff}.SH COMMANDS\n")

set(pending "")
subcommands_of("${top}" commands)
foreach(command IN LISTS commands)
  list(APPEND pending "${command}")
endforeach()
while(pending)
  list(POP_FRONT pending path)
  string(REPLACE ":" ";" words "${path}")
  help_of(text ${words})
  string(REPLACE ";" " " title "solune300ctl ${words}")
  as_roff("${text}" roff)
  string(APPEND page ".SS \"${title}\"\n${roff}")
  subcommands_of("${text}" children)
  set(next)
  foreach(child IN LISTS children)
    list(APPEND next "${path}:${child}")
  endforeach()
  list(PREPEND pending ${next})
endwhile()

string(APPEND page [=[
.SH EXIT STATUS
0 done; 1 a file could not be written; 2 bad input (nothing is written);
3 the profile's macros hold more than 164 events; 4 no mouse; 5 a device
command failed.
.SH ENVIRONMENT
.TP
.B SOLUNE300_SIMULATOR
the state file of a virtual mouse, used instead of the real one
.TP
.B SOLUNE300_POINTER_BACKEND
gsettings, x11 or none: the desktop pointer-settings backend of
\fBpointer show\fR and \fBpointer apply\fR, instead of the one chosen from the
session
.TP
.B XDG_CONFIG_HOME
the folder of the macro library and the update log (default ~/.config)
.SH FILES
.TP
.I ~/.config/Dravik/SOLUNE300/Macros
the macro library
.TP
.I ~/.config/Dravik/SOLUNE300/Log/SOLUNELog.log
the update log
]=])
file(WRITE ${OUT} "${page}")
