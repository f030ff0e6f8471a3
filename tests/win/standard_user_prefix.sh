# A private copy of a Wine prefix for an unprivileged Unix user, whose system directory belongs
# to root: there, as for a standard user on Windows, the system directory cannot be written.
# Wine running as root would write everything. Sourced; needs root.
#   standard_user_prefix PREFIX   makes the copy: sets $work (its folder) and $user_prefix
#   as_standard_user CMD...       runs CMD as that user with the copy as WINEPREFIX
# The copy and its Wine server go at exit.
standard_user=velkortest

standard_user_prefix() {
    id -u "$standard_user" >/dev/null 2>&1 || useradd --create-home --shell /bin/sh "$standard_user"
    work=$(mktemp -d /tmp/velkor-standard-user.XXXXXX)
    user_prefix=$work/prefix
    trap standard_user_cleanup EXIT
    chmod 755 "$work"
    cp -a "$1" "$user_prefix"
    # It names the server folder of the prefix it was copied from.
    rm -f "$user_prefix/wineserver"
    chown -R "$standard_user" "$user_prefix"
    chown root:root "$user_prefix/drive_c/windows/system32"
    chmod 755 "$user_prefix/drive_c/windows/system32"
}

as_standard_user() {
    runuser -u "$standard_user" -- env HOME="$(getent passwd "$standard_user" | cut -d: -f6)" \
        USER="$standard_user" WINEPREFIX="$user_prefix" WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=" "$@"
}

standard_user_cleanup() {
    as_standard_user wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
