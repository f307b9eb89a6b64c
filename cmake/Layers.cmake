# The arrows that must never exist between the program's libraries. Each
# rule names a library and what it must never reach, directly or through
# another library; a change that adds such a link stops the configuration
# here, before anything is built. docs/architecture.md draws the same map.

# Every target a target links, directly or through others.
function(hearts_link_closure target out)
  set(seen "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(NOT TARGET ${current} OR current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      list(APPEND queue ${aliased})
    endif()
    get_target_property(type ${current} TYPE)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(public ${current} INTERFACE_LINK_LIBRARIES)
    if(public)
      list(APPEND links ${public})
    endif()
    foreach(link IN LISTS links)
      # Generator expressions such as $<LINK_ONLY:x> name x.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      list(APPEND queue ${link})
    endforeach()
  endwhile()
  list(REMOVE_ITEM seen ${target})
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# hearts_never(TARGET REACHES forbidden...): patterns are regular expressions
# over target names ("Qt6::.*" for all of Qt).
function(hearts_never target)
  cmake_parse_arguments(N "" "" "REACHES" ${ARGN})
  hearts_link_closure(${target} closure)
  foreach(reached IN LISTS closure)
    foreach(pattern IN LISTS N_REACHES)
      if(reached MATCHES "^${pattern}$")
        message(FATAL_ERROR "${target} must never reach ${reached} (cmake/Layers.cmake)")
      endif()
    endforeach()
  endforeach()
endfunction()

function(hearts_check_layers)
  # The rules: plain C++ under everything else.
  hearts_never(hearts_rules REACHES "Qt6::.*" "hearts_.*")
  # The router's port: plain C++ over its two libraries.
  hearts_never(hearts_router REACHES "Qt6::.*" "hearts_.*")
  # The wire's text: plain C++, no rules of the game, no Qt.
  hearts_never(hearts_wire REACHES "Qt6::.*" "hearts_.*")
  # The host's game: rules and messages, no sockets, no timers, no window.
  hearts_never(hearts_hostgame REACHES "Qt6::.*" "hearts_net" "hearts_client" "hearts_tablestate")
  # Sockets and lists: no window, no game.
  hearts_never(hearts_net REACHES "Qt6::Gui" "Qt6::Widgets" "hearts_rules" "hearts_hostgame"
               "hearts_host" "hearts_client" "hearts_tablestate")
  # The host never shows anything and never reaches a client.
  hearts_never(hearts_host REACHES "Qt6::Gui" "Qt6::Widgets" "hearts_client" "hearts_tablestate"
               "hearts_app" "hearts_records" "hearts_chat")
  # The table's model: what the host said, no widgets, no sockets, no host.
  hearts_never(hearts_tablestate REACHES "Qt6::.*" "hearts_net" "hearts_hostgame" "hearts_host")
  # The client's views and connection never reach into the host.
  hearts_never(hearts_client REACHES "hearts_hostgame" "hearts_host" "hearts_app")
  # Records and side windows never reach the client or the host.
  hearts_never(hearts_records REACHES "hearts_client" "hearts_tablestate" "hearts_hostgame"
               "hearts_host" "hearts_app")
  hearts_never(hearts_tallyfile REACHES "Qt6::Gui" "Qt6::Widgets" "hearts_client" "hearts_host")
  # Chat: no game, no host.
  hearts_never(hearts_chat REACHES "hearts_rules" "hearts_hostgame" "hearts_host" "hearts_client"
               "hearts_tablestate" "hearts_app")
  # Settings and saving: Qt Core alone.
  hearts_never(hearts_inifile REACHES "Qt6::Gui" "Qt6::Widgets" "Qt6::Network")
  hearts_never(hearts_savefile REACHES "Qt6::Gui" "Qt6::Widgets" "Qt6::Network" "hearts_.*")
endfunction()
