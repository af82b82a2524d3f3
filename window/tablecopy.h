// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

class QTableView;

// Copy (Ctrl+C, and in the view's context menu) puts the rows selected in a
// table on the clipboard as tab-separated text, its header row first, which
// spreadsheets paste into cells.
void offerCopy(QTableView *view);
