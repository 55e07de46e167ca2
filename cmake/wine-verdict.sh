# Sourced: how a Windows program's run under Wine is judged from its exit code
# and its output.
#
#   kinopod_wine_verdict LOG RC [PROGRAM]
#
# Prints why a run failed and returns non-zero, or returns 0 for a clean run.
# A crash fails whatever the exit code says: Wine prints "wine: Unhandled ..."
# for every unhandled exception, and with its debugger switched off (see
# wine-harness.sh) the process ends with the exception's code. The faulting
# address is looked up in PROGRAM's debug information when it lies there.
# A GoogleTest program (one that knows --gtest_list_tests) must also close
# with a summary that counts as many tests as its opening line announced
# (KINOPOD_NO_GTEST_SUMMARY=1 for a run that lists tests rather than runs them).

kinopod_wine_crash() {  # LOG [PROGRAM]: prints the crash report; 0 when there was one
  local log=$1 program=${2:-}
  grep -a -E '^wine: Unhandled|^Unhandled exception:' "$log" >/dev/null || return 1
  local line address
  line=$(grep -a -m1 -E '^wine: Unhandled|^Unhandled exception:' "$log")
  echo "wine-run: unhandled exception: $line"
  address=$(sed -n -E 's/.* at address (0x)?([0-9A-Fa-f]+).*/\2/p' <<<"$line")
  if [ -n "$address" ] && [ -n "$program" ] && [ -f "$program" ]; then
    local tool=x86_64-w64-mingw32-addr2line
    file -b "$program" 2>/dev/null | grep -q 'Intel 80386' && tool=i686-w64-mingw32-addr2line
    if command -v "$tool" >/dev/null; then
      local where
      where=$("$tool" -f -C -i -e "$program" "0x$address" 2>/dev/null | paste -sd ' ')
      [ -n "$where" ] && [ "${where#\?\?}" = "$where" ] && echo "wine-run: at $where"
    fi
  fi
  return 0
}

kinopod_wine_verdict() {  # LOG RC [PROGRAM]
  local log=$1 rc=$2 program=${3:-}
  if kinopod_wine_crash "$log" "$program"; then
    [ "$rc" != 0 ] && return "$rc"
    echo "wine-run: the exit code was 0, but the program crashed"
    return 70
  fi
  if [ -z "${KINOPOD_NO_GTEST_SUMMARY:-}" ] && [ -n "$program" ] && [ -f "$program" ] \
     && grep -a -q -- '--gtest_list_tests' "$program"; then
    local announced ran
    announced=$(sed -n -E 's/^\[==========\] Running ([0-9]+) tests? from .*/\1/p' "$log" | tail -1)
    ran=$(sed -n -E 's/^\[==========\] ([0-9]+) tests? from [0-9]+ test (suites?|cases?) ran\..*/\1/p' "$log" | tail -1)
    if [ -z "$announced" ] || [ "$ran" != "$announced" ]; then
      echo "wine-run: no GoogleTest summary for the ${announced:-?} tests announced (ran: ${ran:-none})"
      [ "$rc" != 0 ] && return "$rc"
      return 71
    fi
  fi
  return "$rc"
}
