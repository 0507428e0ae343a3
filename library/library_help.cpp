// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "library/library_help.h"

#include <QtGlobal>

#include "i18n/message_text.h"

namespace kelvaro::library {
namespace {

constexpr const char* kContext = "LibraryHelp";

constexpr const char* kProgramHelp = QT_TRANSLATE_NOOP(
    "LibraryHelp",
    "Usage:\n"
    "  kelvaro-library check [DIR] [--json] [--decode]\n"
    "  kelvaro-library add ELEMENT PICTURE... [--library DIR]\n"
    "  kelvaro-library COMMAND --help\n"
    "\n"
    "kelvaro-library looks after a Kelvaro part library, the picture/ folder below DIR.\n"
    "\n"
    "Commands:\n"
    "  check   List the parts of every element and what the editor would make of them:\n"
    "          gaps that hide parts, pictures that are not 230x230, files that show the\n"
    "          dummy, secondary folders out of step, problems of wall.png and dummy.png.\n"
    "  add     Append pictures as the next parts of an element.\n"
    "\n"
    "Options:\n"
    "  -h, --help\n"
    "      Print this text (after a command: the command's) and exit.\n"
    "  --version\n"
    "      Print the version and exit.\n");

constexpr const char* kCheckHelp = QT_TRANSLATE_NOOP(
    "LibraryHelp",
    "Usage:\n"
    "  kelvaro-library check [DIR] [--json] [--decode]\n"
    "\n"
    "Checks the part library below DIR (default: the current folder when it holds picture/,\n"
    "else the user's library $XDG_DATA_HOME/kelvaro, else the installed sample library) and\n"
    "prints a table of each element's folders (parts counted as the editor counts them, the\n"
    "highest number) and one line per problem. Each file's header is read, not its pixels;\n"
    "wall.png, dummy.png and part 000 of the beard, headwear, accessory and band are decoded.\n"
    "\n"
    "Options:\n"
    "  --json\n"
    "      Print the same report as JSON.\n"
    "  --decode\n"
    "      Decode every part in full, on every core, and print the parts decoded per second\n"
    "      on standard error.\n"
    "\n"
    "The exit status is 0 when nothing was found, 1 when something was, 2 for a wrong\n"
    "command line.\n");

constexpr const char* kAddHelp = QT_TRANSLATE_NOOP(
    "LibraryHelp",
    "Usage:\n"
    "  kelvaro-library add ELEMENT PICTURE... [--library DIR]\n"
    "\n"
    "Appends the PICTUREs as the next part numbers of ELEMENT's primary folder below DIR\n"
    "(default as for check). ELEMENT is a list text such as Twarz or Inne #1, or a folder\n"
    "name such as face or bhair1, in any letter case. A 230x230 PNG is copied byte for byte;\n"
    "any other picture is scaled to fit 230x230 keeping its proportions, centred, its alpha\n"
    "kept. The element's secondary folders get fully transparent parts of the same numbers.\n"
    "Nothing is written when any PICTURE cannot be read. The numbers given are printed.\n");

}  // namespace

std::string programHelp() {
    return translatedText(kContext, kProgramHelp);
}

std::string checkHelp() {
    return translatedText(kContext, kCheckHelp);
}

std::string addHelp() {
    return translatedText(kContext, kAddHelp);
}

}  // namespace kelvaro::library
