# SPDX-FileCopyrightText: 2026 The Trevane developers
# SPDX-License-Identifier: MIT

# The table, from Google Benchmark's JSON (times in µs) on $screen (X, or
# Wine's windows platform) and offscreen, and the callgrind totals where they
# were counted ($counted empty under Wine). A figure missing is an error.
def figures: [.benchmarks[] | if .error_occurred then error(.error_message) else . end
    | select(.run_type == "iteration" or .aggregate_name == "median")
    | (.run_name | sub("/(iterations|repeats|manual_time).*"; "")) as $key
    | {key: $key, value: (. + {key: $key})}] | from_entries;
def show: (if . >= 100 then 1 elif . >= 10 then 10 else 100 end) as $k | . * $k | round / $k;
# A figure of Trevane's benchmark $a beside the reference's $b, both in $set, as f gives it.
def row($figure; $set; $a; $reference; $b; f):
    [$a, $b] | map(. as $name | $set[$name] // error("no figure for \($name)") | f) as [$v, $r]
    | "| \($figure) | \($v | show) | \($reference): \($r | show) | "
      + (if $r == 0 then "—" else $v / $r | show | tostring end) + " |";

[$x, $offscreen] | map(.[0].context.event_dispatcher) as [$xLoop, $offLoop]
| ($x[0] | figures) as $x | ($offscreen[0] | figures) as $off
| ($counted[0] // {benchmarks: []} | figures) as $counted
| "bare Qt loop" as $bare | "click → white plot" as $clear | "empty Qt window" as $empty
| "Event loop: \($xLoop) (\($screen)), \($offLoop) (offscreen)",
  "", "| figure | Trevane | reference | ratio |", "|---|---|---|---|",
  (([$screen, $x], ["offscreen", $off]) as [$on, $set] | (["", "still"], [" with wind", "wind"]) as [$with, $w]
    | row("flight\($with), µs per segment, \($on)"; $set; "flight/\($w)"; $bare; "flight/bare";
          .real_time / .segments)),
  (([$screen, $x], ["offscreen", $off]) as [$on, $set]
    | ($set.round.real_time) as $round | ($set["flight/still"] | .real_time / .segments) as $segment
    | "| round of events with nothing to do, µs, \($on) | \($round | show) | flight's segment: "
      + "\($segment | show) | \($round / $segment | show) |"),
  row("long flight, last tenth ÷ first tenth"; $off; "flight/long_still"; $bare; "flight/long_bare";
      .tenths),
  row("long flight, resident memory growth, KiB"; $off; "flight/long_still"; $bare;
      "flight/long_bare"; .rss_growth_kib),
  row("click → whole flight on screen, ms"; $x; "clickToScreen/flight"; $clear;
      "clickToScreen/clear"; .real_time / 1000),
  row("key released → needle on screen, long flight running, ms"; $x; "needleToScreen"; $clear;
      "clickToScreen/clear"; .real_time / 1000),
  row("start-up → window on screen, ms"; $x; "host/window"; $empty; "host/empty"; .real_time / 1000),
  row("resident memory then, MiB"; $x; "host/window"; $empty; "host/empty"; .rss_kib / 1024),
  row("CPU in 3 s idle after a flight, ms"; $x; "host/window_idle"; $empty; "host/empty_idle"; .cpu_ms),
  (($x["realTime/flight"] // error("no figure for realTime/flight")) as $paced
    | (($x["host/empty_idle"] // error("no figure for host/empty_idle")).cpu_ms / 3) as $idle # 3 s
    | "| flight in real time, click → landing, ms, \($screen) | \($paced.real_time / 1000 | show) | "
      + "its last segment due: \($paced.due_ms | show) | \($paced.real_time / 1000 / $paced.due_ms | show) |",
      "| CPU over that flight, ms per s | \($paced.cpu_ms_per_s | show) | \($empty) idle: "
      + "\($idle | show) | \($paced.cpu_ms_per_s / $idle | show) |"),
  (select($counted != {}) | (["", "still"], [", wind", "wind"]) as [$with, $w]
    | row("callgrind instructions per segment\($with)"; $counted; "flight/\($w)"; $bare; "flight/bare";
          $instructions[0][.key] / .segments / .iterations))
