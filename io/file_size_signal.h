// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// How the programs meet a file-size limit (ulimit -f).
#pragma once

namespace kelvaro {

// Ignores SIGXFSZ for the whole process, so that a write past the file-size limit fails with
// EFBIG, reported with its reason like a full disk and leaving no temporary file, instead of
// the signal killing the program in the middle of a save. Each program's main calls it first.
void ignoreFileSizeSignal();

}  // namespace kelvaro
