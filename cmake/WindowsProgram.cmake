# hora_windows_program(<target> GUI|CONSOLE)
# Every Windows program is linked statically (runs without mingw DLLs beside it);
# GUI programs get no console window.
function(hora_windows_program target kind)
  if(kind STREQUAL "GUI")
    target_link_options(${target} PRIVATE -mwindows)
  else()
    target_link_options(${target} PRIVATE -mconsole)
  endif()
endfunction()
