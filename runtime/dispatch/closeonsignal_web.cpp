// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "closeonsignal.h"

namespace runtime {

// A page gets no signals: the browser closes its tab without asking.
void CloseOnSignal::catchSignals() {}

CloseOnSignal::CloseOnSignal(QWidget *window, QObject *parent) : QObject(parent), window_(window) {}

} // namespace runtime
