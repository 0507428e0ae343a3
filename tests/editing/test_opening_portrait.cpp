// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QStringList>
#include <filesystem>
#include <vector>

#include "editing/opening_portrait.h"
#include "editing/portrait_editor.h"
#include "model/part_cache.h"
#include "model/pattern.h"
#include "model/portrait_document.h"
#include "tests/model/library_portrait.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// An owner taken through the window's opening on `base`, with `prepared` kept first.
struct Opened {
    Opened(const fs::path& settingsFile, const fs::path& base, OpeningPortrait prepared)
        : editor(settingsFile) {
        QObject::connect(&editor, &PortraitEditor::changed,
                         [this](ChangeSet what) { announced.push_back(what); });
        QObject::connect(&editor, &PortraitEditor::problem,
                         [this](const QString& message) { problems.push_back(message); });
        editor.keepPreparedOpening(std::move(prepared));
        editor.prefetchParts(base);
        editor.countParts(base);
        loaded = editor.loadImages();
    }

    PortraitEditor editor;
    std::vector<ChangeSet> announced;
    QStringList problems;
    bool loaded = false;
};

void expectSameOpening(const Opened& a, const Opened& b) {
    EXPECT_EQ(a.loaded, b.loaded);
    EXPECT_EQ(a.problems, b.problems);
    EXPECT_EQ(a.announced, b.announced);
    const PortraitState& s = a.editor.state();
    const PortraitState& t = b.editor.state();
    EXPECT_EQ(capture(s), capture(t));
    EXPECT_EQ(s.pattern, t.pattern);
    EXPECT_EQ(s.highestPart, t.highestPart);
    EXPECT_EQ(s.baseDirectory, t.baseDirectory);
    EXPECT_EQ(s.hasWall, t.hasWall);
    EXPECT_TRUE(*s.wall == *t.wall);
    for (int i = 0; i < kLayerCount; ++i) {
        const LayerState& l = s.layer(i);
        const LayerState& m = t.layer(i);
        EXPECT_EQ(l.hasImage, m.hasImage) << i;
        EXPECT_EQ(l.showsOwnImage, m.showsOwnImage) << i;
        EXPECT_EQ(l.loadedPart, m.loadedPart) << i;
        EXPECT_EQ(l.loadedTone(), m.loadedTone()) << i;
        EXPECT_TRUE(*l.image() == *m.image()) << "image of layer " << i;
        EXPECT_TRUE(*l.loaded == *m.loaded) << "loaded pixels of layer " << i;
    }
    EXPECT_TRUE(*test::composed(s) == *test::composed(t));
}

Pattern patternFrom(int first) {
    Pattern pattern{};
    for (int i = 0; i < kLayerCount; ++i)
        pattern[static_cast<std::size_t>(i)] = (first + i) % test::kLibraryParts;
    return pattern;
}

fs::path copyOfLibrary(const test::TempFolder& folder, const char* name) {
    fs::copy(test::libraryBase(), folder.path() / name, fs::copy_options::recursive);
    return folder.path() / name;
}

struct OpeningCase {
    const char* what;
    bool patternChanged;     // Kelvaro.ini holds another pattern when the owner reads it
    bool otherSettingsFile;  // the owner reads a copy of the settings file
    bool otherLibrary;       // the owner opens a copy of the library
    bool withoutWall;        // the library has no wall: nothing can be prepared
    bool adopted;
};

const std::vector<OpeningCase> kCases = {
    {"same inputs", false, false, false, false, true},
    {"pattern changed", true, false, false, false, false},
    {"another settings file", false, true, false, false, false},
    {"another library folder", false, false, true, false, false},
    {"a failed load", false, false, false, true, false},
};

TEST(OpeningPortrait, AdoptedWhenItsInputsHoldOtherwiseTheOpeningRunsAsBefore) {
    for (const OpeningCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const test::TempFolder folder;
        const fs::path base = copyOfLibrary(folder, "library");
        const fs::path opened = c.otherLibrary ? copyOfLibrary(folder, "other") : base;
        if (c.withoutWall)
            fs::remove(wallPath(base));
        const fs::path settings = folder.path() / "Kelvaro.ini";
        ASSERT_TRUE(writePattern(settings, patternFrom(1)));
        PartCache cache;  // an adopted portrait keeps the cache it was prepared with
        OpeningPortrait prepared = prepareOpening(settings, base, cache);
        EXPECT_EQ(prepared.state == nullptr, c.withoutWall);
        if (c.patternChanged) {
            ASSERT_TRUE(writePattern(settings, patternFrom(2)));
        }
        const fs::path read = c.otherSettingsFile ? folder.path() / "copy.ini" : settings;
        if (c.otherSettingsFile)
            fs::copy_file(settings, read);
        const Opened withPrepared(read, opened, std::move(prepared));
        const Opened asBefore(read, opened, {});
        EXPECT_EQ(withPrepared.editor.state().partCache == &cache, c.adopted);
        EXPECT_EQ(withPrepared.loaded, !c.withoutWall);
        EXPECT_EQ(withPrepared.editor.state().pattern, patternFrom(c.patternChanged ? 2 : 1));
        expectSameOpening(withPrepared, asBefore);
    }
}

}  // namespace
}  // namespace kelvaro
