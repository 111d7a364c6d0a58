# khal over vdirsyncer as a second client of a CalDAV collection: a local
# folder of .ics files kept in step with the collection.
#   peer_setup WORK COLLECTION USER PASSWORD LOCAL_ZONE
# writes WORK/vdirsyncer.conf and WORK/khal.conf, discovers and syncs once;
# then vds ARGS... runs vdirsyncer and khal_ ARGS... runs khal with them.
peer_setup() {
    local work="$1" collection="$2" user="$3" password="$4" zone="$5"
    mkdir -p "$work/local" "$work/status"
    cat >"$work/vdirsyncer.conf" <<CONF
[general]
status_path = "$work/status/"
[pair cal]
a = "cal_local"
b = "cal_remote"
collections = null
[storage cal_local]
type = "filesystem"
path = "$work/local/"
fileext = ".ics"
[storage cal_remote]
type = "caldav"
url = "$collection"
username = "$user"
password = "$password"
CONF
    cat >"$work/khal.conf" <<CONF
[calendars]
[[here]]
path = $work/local/
type = calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = $zone
default_timezone = America/New_York
CONF
    peer_work="$work"
    { yes || true; } | vds discover
    vds sync
}
vds() { vdirsyncer -c "$peer_work/vdirsyncer.conf" "$@" >>"$peer_work/vdirsyncer.log" 2>&1 || fail "vdirsyncer $1: $(tail -5 "$peer_work/vdirsyncer.log")"; }
khal_() { khal -c "$peer_work/khal.conf" "$@"; }
