#!/bin/sh
# Writes the manual page of one of our programs from its own --help texts, so the page never
# drifts from the program: the overview and, for tarvolink-cli, one subsection per command.
#   scripts/make-manpage.sh PATH/TO/PROGRAM OUT.1 "one-line summary"
set -e
PROGRAM=$1
OUT=$2
SUMMARY=$3
NAME=$(basename "$PROGRAM")
TITLE=$(echo "$NAME" | tr 'a-z' 'A-Z')
# The window needs a platform even to print its help.
export QT_QPA_PLATFORM=offscreen
VERSION=$("$PROGRAM" --version 2>/dev/null | awk '{ print $2 }')
# roff needs backslashes doubled and a leading "." or "'" kept from being read as a request; the
# usage line names the program without the folder it was run from.
escape() {
    sed -e "s#^Usage: [^ ]*/#Usage: #" -e 's/\\/\\e/g' -e "s/^\\([.']\\)/\\\\\\&\\1/" -e 's/-/\\-/g'
}
HELP=$("$PROGRAM" --help 2>/dev/null)
COMMANDS=$(echo "$HELP" | awk '/^Commands:/ { on = 1; next } /^$/ { on = 0 } on && /^  [a-z0-9]/ { print $1 }')
{
    echo ".TH $TITLE 1 \"\" \"$NAME $VERSION\" \"User Commands\""
    echo ".SH NAME"
    echo "$NAME \\- $SUMMARY"
    echo ".SH DESCRIPTION"
    echo ".nf"
    echo "$HELP" | escape
    echo ".fi"
    if [ -n "$COMMANDS" ]; then
        echo ".SH COMMANDS"
        for command in $COMMANDS; do
            echo ".SS $command"
            echo ".nf"
            "$PROGRAM" "$command" --help | escape
            echo ".fi"
        done
    fi
    echo ".SH FILES"
    echo "configData/settings.set, configData/general.csv and csv_file/ in the installation folder:"
    echo "beside the program when that folder is writable, otherwise ~/.local/share/tarvolink."
    echo ".SH SEE ALSO"
    echo ".BR tarvolink (1),"
    echo ".BR tarvolink\\-cli (1),"
    echo ".BR tarvolink\\-sim (1)"
} > "$OUT"
