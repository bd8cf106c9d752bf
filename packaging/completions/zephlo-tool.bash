# bash completion for zephlo-tool. The commands and their options are read
# from the tool's own help, so the completion never falls behind the tool.

_zephlo_tool_commands() {
  "$1" --help 2>/dev/null | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p'
}

_zephlo_tool() {
  local tool=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  COMPREPLY=()
  if ((COMP_CWORD == 1)); then
    COMPREPLY=($(compgen -W "$(_zephlo_tool_commands "$tool") help --help --version" -- "$cur"))
    return
  fi
  local command=${COMP_WORDS[1]}
  if [[ $command == help ]]; then
    ((COMP_CWORD == 2)) && COMPREPLY=($(compgen -W "$(_zephlo_tool_commands "$tool")" -- "$cur"))
    return
  fi
  case $prev in
  --recursive | --game)
    compopt -o filenames
    COMPREPLY=($(compgen -d -- "$cur"))
    return
    ;;
  --format)
    COMPREPLY=($(compgen -W "text json" -- "$cur"))
    return
    ;;
  --view)
    COMPREPLY=($(compgen -W "xy xz yz" -- "$cur"))
    return
    ;;
  --size | --zoom | --centre | --center | --region | --order | --current)
    return
    ;;
  esac
  if [[ $cur == --format=* ]]; then
    COMPREPLY=($(compgen -W "text json" -- "${cur#--format=}"))
    return
  fi
  if [[ $cur == -* ]]; then
    local options
    options=$("$tool" "$command" --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u)
    COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    return
  fi
  # Missions, and JSON for import; folders to go through.
  local pattern='!*.[tT][iI][eE]'
  [[ $command == import ]] && pattern='!*.[jJ][sS][oO][nN]'
  compopt -o filenames
  COMPREPLY=($(compgen -f -X "$pattern" -- "$cur") $(compgen -d -- "$cur"))
}

complete -F _zephlo_tool zephlo-tool
