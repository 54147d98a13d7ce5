# fish completion for kv3318ctl

# The setting names as the program being completed knows them, so that they
# never fall behind its table of settings.
function __kv3318ctl_settings
    set -l program (commandline -opc)[1]
    $program help settings 2>/dev/null | string match -r '^  [a-z]\S*' | string trim
end

function __kv3318ctl_ports
    for port in /dev/serial/by-id/* /dev/serial/by-path/* /dev/ttyUSB* /dev/ttyACM* /dev/ttyS*
        echo $port
    end
end

set -l commands list get put set diff wave history help

complete -c kv3318ctl -f
complete -c kv3318ctl -n "not __fish_seen_subcommand_from $commands" -a list -d 'every unit on the candidate ports'
complete -c kv3318ctl -n "not __fish_seen_subcommand_from $commands" -a get -d "the unit's settings"
complete -c kv3318ctl -n "not __fish_seen_subcommand_from $commands" -a put -d 'check a settings file, send it and read it back'
complete -c kv3318ctl -n "not __fish_seen_subcommand_from $commands" -a set -d 'change settings by name'
complete -c kv3318ctl -n "not __fish_seen_subcommand_from $commands" -a diff -d 'compare a settings file with the unit'
complete -c kv3318ctl -n "not __fish_seen_subcommand_from $commands" -a wave -d 'a wave time adjustment run'
complete -c kv3318ctl -n "not __fish_seen_subcommand_from $commands" -a history -d 'what each unit held before each send'
complete -c kv3318ctl -n "not __fish_seen_subcommand_from $commands" -a help -d "help on a command, or every setting's range"

complete -c kv3318ctl -l port -r -a '(__kv3318ctl_ports)' -d 'serial port to probe'
complete -c kv3318ctl -l verbose -d "show the line's debug output"
complete -c kv3318ctl -s h -l help -d 'show the help'
complete -c kv3318ctl -s v -l version -d 'show the version'
complete -c kv3318ctl -n '__fish_seen_subcommand_from list get put set diff history' -l json -d 'JSON output instead of lines'
complete -c kv3318ctl -n '__fish_seen_subcommand_from get put set diff wave' -l all -d 'every unit that answers, all at once'
complete -c kv3318ctl -n '__fish_seen_subcommand_from put' -l dry-run -d 'only check and print'
complete -c kv3318ctl -n '__fish_seen_subcommand_from put' -l firmware -x -d 'firmware whose record length to check against'
complete -c kv3318ctl -n '__fish_seen_subcommand_from wave' -l to -x -d 'the wave time to end at'

complete -c kv3318ctl -n '__fish_seen_subcommand_from set' -a '(__kv3318ctl_settings | string replace -r \'$\' =)'
complete -c kv3318ctl -n '__fish_seen_subcommand_from get' -a '(__kv3318ctl_settings)'
complete -c kv3318ctl -n '__fish_seen_subcommand_from put diff' -F -a -
complete -c kv3318ctl -n '__fish_seen_subcommand_from history; and not __fish_seen_subcommand_from show' -a show -d 'print the record of entry N'
complete -c kv3318ctl -n '__fish_seen_subcommand_from help' -a "$commands settings"
