// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

// A flight as it was launched: its number in this run, counted from 1 in the
// order flights start, and its inputs as read from the fields. A flight
// without wind reads no wind fields, so its wind is zero.
struct FlightRecord
{
    int number;
    bool withWind;
    double launchVelocity; // m/s
    double launchAngle;    // degrees
    double windVelocity;   // m/s
    double windAngle;      // degrees
};
