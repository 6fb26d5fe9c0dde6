#!/bin/sh
# Writes the manual page of tarvolink-cli from its own --help texts, so the page never drifts
# from the program: the overview, then one subsection per command.
#   scripts/make-manpage.sh PATH/TO/tarvolink-cli OUT.1
set -e
CLI=$1
OUT=$2
VERSION=$("$CLI" --version | awk '{ print $2 }')
# roff needs backslashes doubled and a leading "." or "'" kept from being read as a request.
escape() { sed -e 's/\\/\\e/g' -e "s/^\\([.']\\)/\\\\\\&\\1/" -e 's/-/\\-/g'; }
COMMANDS=$("$CLI" --help | awk '/^Commands:/ { on = 1; next } /^$/ { on = 0 } on && /^  [a-z0-9]/ { print $1 }')
{
    echo ".TH TARVOLINK-CLI 1 \"\" \"tarvolink-cli $VERSION\" \"User Commands\""
    echo ".SH NAME"
    echo "tarvolink-cli \\- commission and service variable-speed drives from a shell"
    echo ".SH SYNOPSIS"
    echo ".B tarvolink-cli"
    echo ".I COMMAND"
    echo "[options]"
    echo ".SH DESCRIPTION"
    echo "The command line of Tarvolink: the unit jobs of the window on the same library and the same files."
    echo ".PP"
    echo ".nf"
    "$CLI" --help | escape
    echo ".fi"
    echo ".SH COMMANDS"
    for command in $COMMANDS; do
        echo ".SS $command"
        echo ".nf"
        "$CLI" "$command" --help | escape
        echo ".fi"
    done
    echo ".SH FILES"
    echo "configData/settings.set, configData/general.csv and csv_file/ in the installation folder:"
    echo "beside the program when that folder is writable, otherwise ~/.local/share/tarvolink."
    echo ".SH SEE ALSO"
    echo ".BR tarvolink (1)"
} > "$OUT"
