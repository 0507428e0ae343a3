// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Qt's image readers and writers warn on standard error about every flaw of every file they
// meet (a broken part gives several lines, a library of them hundreds). The renderer reports each
// file it cannot use in a line of its own, so it keeps their warnings to itself.
#pragma once

namespace kelvaro::render {

// From now on, drops the messages of Qt's image input and output (the categories qt.gui.imageio
// and below it) and hands every other message to the handler installed before.
void silenceImageWarnings();

}  // namespace kelvaro::render
