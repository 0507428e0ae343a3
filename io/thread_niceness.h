// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Running the calling thread at a lower priority than the window (Linux gives each thread a
// niceness of its own), for work that must not take processor time from it.
#pragma once

namespace kelvaro {

// Makes the calling thread `above` (0..19) nicer than it is. False when the system refused.
bool raiseThisThreadsNiceness(int above);

}  // namespace kelvaro
