# bash completion for quillbox-cli

_quillbox_cli()
{
    local cur prev words cword
    _init_completion || return

    local commands="list show add update delete search folders export import-text"
    local edit="--title --comments --keywords --notes --notes-file --priority --date --icon"

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands --version" -- "$cur"))
        return
    fi

    # The values of options that take one.
    case $prev in
        --priority)
            COMPREPLY=($(compgen -W "low medium high" -- "$cur"))
            return
            ;;
        --format)
            COMPREPLY=($(compgen -W "text-all text-notes html pdf" -- "$cur"))
            return
            ;;
        --notes-file | --output | --settings)
            _filedir
            return
            ;;
        --title | --comments | --keywords | --notes | --date | --icon | --subtitle)
            return
            ;;
    esac

    local options
    case ${words[1]} in
        list | show) options="--json" ;;
        add | update) options=$edit ;;
        search) options="--keywords-only --json" ;;
        folders) options="--settings --json" ;;
        export) options="--format --output --title --subtitle" ;;
        delete | import-text) options="" ;;
        *) return ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    # The first argument after the command is the folder directory; the text
    # file of import-text comes last.
    local args=0 i
    for ((i = 2; i < cword; i++)); do
        [[ ${words[i]} == -* ]] && continue
        case ${words[i - 1]} in
            --title | --comments | --keywords | --notes | --notes-file | --priority | --date | --icon | \
                --format | --output | --subtitle | --settings) continue ;;
        esac
        ((args++))
    done
    if ((args == 0)) && [[ ${words[1]} != folders ]]; then
        _filedir -d
    elif [[ ${words[1]} == import-text ]] && ((args == 2)); then
        _filedir
    fi
} &&
    complete -F _quillbox_cli quillbox-cli
