// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "savedfilehandover.h"

void handOverSavedFile(const QString &) {}
