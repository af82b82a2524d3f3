// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

class FlightLog;
class QImage;
class QWidget;

// Save Lab Sheet As…: a PDF page to hand in, A4 or US Letter after the
// system's locale: a title line with the date and the program's name and
// version, the plot as drawn at no less than the screen's resolution, and
// the log's table, continued on further pages when it does not fit. A file
// that cannot be written is reported as a run-time error.
void saveLabSheetFile(QWidget *window, const QImage &plot, const FlightLog &log);
