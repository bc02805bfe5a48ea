#pragma once

// Start-up timing for the benchmarks in bench/. Inactive unless the
// environment variable VEVIDER_TIMING is set; then the program reports on
// standard error, in milliseconds from the start of main:
//   first-window-ms  the first paint of a top-level window
//   menu-ready-ms    the main menu shown and painted once
//   rss-kb           resident memory once every menu picture was shown
// and, when VEVIDER_TIMING_T0 holds the launch time (nanoseconds since the
// epoch, as `date +%s%N` gives it), also launch-to-main-ms. To reach the
// menu it closes the title picture as soon as that was painted, shows each
// group's game buttons once, and then ends the process without saving.
namespace vz::startup_timing {

// Notes the start of main; call first thing.
void markMainStart();
// Starts watching; call once the application object exists.
void watch();

} // namespace vz::startup_timing
