# SPDX-FileCopyrightText: 2026 The Trevane developers
# SPDX-License-Identifier: MIT

# The table, from Google Benchmark's JSON for X and offscreen and from the
# callgrind totals. A figure missing is an error.
def figures: [.benchmarks[] | if .error_occurred then error(.error_message) else . end
    | select(.run_type == "iteration" or .aggregate_name == "median")
    | {key: (.run_name | sub("/(min_time|iterations|repeats|real_time|manual_time).*"; "")),
       value: .}] | from_entries;
def get($name): .[$name] // error("no figure for \($name)");
def show: (if . >= 100 then 1 elif . >= 10 then 10 else 100 end) as $k | . * $k | round / $k;
def row($figure; $value; $reference; $against):
    "| \($figure) | \($value | show) | \($reference): \($against | show) | "
    + (if $against == 0 then "—" else $value / $against | show | tostring end) + " |";

($x[0] | figures) as $x | ($offscreen[0] | figures) as $off | ($counted[0] | figures) as $counted
| def perSegment: .real_time / {ns: 1e3, us: 1, ms: 1e-3}[.time_unit] / .segments;
  def us($set; $name): $set | get($name) | perSegment;
  def instructions($name): $counted | get($name) | $instructions[0][$name] / .segments / .iterations;
  def tenths($name): $off | get($name) | .last_tenth_us / .first_tenth_us;
  def ms($name): $x | get($name) | .real_time / {ns: 1e6, us: 1e3, ms: 1}[.time_unit];
  "| figure | Trevane | reference | ratio |", "|---|---|---|---|",
  ((["X", $x], ["offscreen", $off]) as [$on, $set]
    | row("flight, µs per segment, \($on)"; us($set; "flight/still"); "bare Qt loop";
          us($set; "flight/bare")),
      row("flight with wind, µs per segment, \($on)"; us($set; "flight/wind"); "bare Qt loop";
          us($set; "flight/bare"))),
  row("long flight, last tenth ÷ first tenth"; tenths("longFlight/still"); "bare Qt loop";
      tenths("longFlight/bare")),
  row("long flight, resident memory growth, KiB"; $off | get("longFlight/still").rss_growth_kib;
      "bare Qt loop"; $off | get("longFlight/bare").rss_growth_kib),
  row("click → whole flight on screen, ms"; ms("clickToScreen/flight"); "click → white plot";
      ms("clickToScreen/clear")),
  row("key released → needle on screen, long flight running, ms"; ms("needleToScreen");
      "click → white plot"; ms("clickToScreen/clear")),
  row("start-up → window on screen, ms"; ms("host/window"); "empty Qt window";
      ms("host/empty")),
  row("resident memory then, MiB"; ($x | get("host/window").rss_kib) / 1024;
      "empty Qt window"; ($x | get("host/empty").rss_kib) / 1024),
  row("CPU in 3 s idle after a flight, ms"; $x | get("host/window_idle").cpu_ms;
      "empty Qt window"; $x | get("host/empty_idle").cpu_ms),
  row("callgrind instructions per segment"; instructions("flight/still"); "bare Qt loop";
      instructions("flight/bare")),
  row("callgrind instructions per segment, wind"; instructions("flight/wind"); "bare Qt loop";
      instructions("flight/bare"))
