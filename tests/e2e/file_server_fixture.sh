#!/usr/bin/env bash
# Starts or stops the test run's file server (a CTest fixture): tests that
# need it read its address from DIR/file-server.address. The server also
# watches the CTest process and ends with it if the stop step never runs.
#   file_server_fixture.sh start DIR SERVER_SCRIPT ROOT PYTHON
#   file_server_fixture.sh stop DIR
set -euo pipefail
cmd="$1" dir="$2"
pid_file="$dir/file-server.pid" address_file="$dir/file-server.address"
case "$cmd" in
  start)
    server="$3" root="$4" python="$5"
    mkdir -p "$dir"
    rm -f "$address_file"
    "$python" "$server" --root "$root" --port-file "$address_file" --log "$dir/file-server.log" \
      --parent-pid "$PPID" </dev/null >/dev/null 2>"$dir/file-server.err" &
    echo $! > "$pid_file"
    for _ in $(seq 100); do [ -s "$address_file" ] && break; sleep 0.1; done
    [ -s "$address_file" ] || { cat "$dir/file-server.err" >&2; exit 1; }
    echo "file server: $(cat "$address_file")" ;;
  stop)
    [ -f "$pid_file" ] && kill "$(cat "$pid_file")" 2>/dev/null || true
    rm -f "$pid_file" "$address_file" ;;
esac
