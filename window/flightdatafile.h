// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

class FlightLog;
class QWidget;

// Save Flight Data As…: the log as a CSV file, a row a point of every flight
// or the flights' table alone, as the user chooses in the save dialog.
// Written a chunk at a time between rounds of events, with a progress dialog
// once it takes a while; a cancel (or the window's closing) leaves no file.
// A file that cannot be written is reported as a run-time error.
void saveFlightDataFile(QWidget *window, const FlightLog &log);
