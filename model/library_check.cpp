// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/library_check.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "io/file_boundary.h"
#include "model/image_files.h"
#include "model/layer_tables.h"
#include "model/library_check_files.h"
#include "model/part_folder_listing.h"
#include "model/part_library.h"

namespace kelvaro {
namespace {

// Element by element: may a portrait wear "none" of it (see isOptionalElement)?
constexpr std::array<bool, kElementCount> kOptional = {
    false, false, false, false, false, false, false,
    true,                                            // beard
    false, false, false, false, true,  true,  true,  // headwear, accessory, band
};

// One layer folder of an element, listed.
struct FolderCheck {
    int element = 0;
    std::string_view folder;
    bool primary = false;
    std::filesystem::path path;
    PartFolderListing listing;
};

Finding aboutFolder(const FolderCheck& check, FindingKind kind) {
    Finding finding;
    finding.kind = kind;
    finding.element = check.element;
    finding.folder = std::string(check.folder);
    finding.path = check.path;
    return finding;
}

Finding aboutPart(const FolderCheck& check, const std::filesystem::path& base, int number) {
    Finding finding = aboutFolder(check, FindingKind::NoParts);
    finding.path = partPath(base, check.folder, number);
    finding.number = number;
    return finding;
}

// The numbers of `numbers` that `listing` has not.
std::vector<int> numbersMissingFrom(const std::vector<int>& numbers,
                                    const PartFolderListing& listing) {
    std::vector<int> missing;
    std::ranges::copy_if(numbers, std::back_inserter(missing),
                         [&](int n) { return !listing.has(n); });
    return missing;
}

// NoParts and HiddenParts of a primary folder; MissingNumbers and ExtraNumbers of a secondary one.
void addNumberFindings(const FolderCheck& check, const PartFolderListing& primary,
                       std::vector<Finding>& out) {
    const std::vector<int> present = check.listing.present();
    if (check.primary) {
        const int gap = check.listing.counted() + 1;
        if (gap == 0 && present.empty())
            out.push_back(aboutFolder(check, FindingKind::NoParts));
        std::vector<int> hidden;
        std::ranges::copy_if(present, std::back_inserter(hidden), [&](int n) { return n > gap; });
        if (!hidden.empty()) {
            out.push_back(aboutFolder(check, FindingKind::HiddenParts));
            out.back().number = gap;
            out.back().numbers = std::move(hidden);
        }
        return;
    }
    const std::pair<FindingKind, std::vector<int>> differences[] = {
        {FindingKind::MissingNumbers, numbersMissingFrom(primary.present(), check.listing)},
        {FindingKind::ExtraNumbers, numbersMissingFrom(present, primary)},
    };
    for (const auto& [kind, numbers] : differences) {
        if (numbers.empty())
            continue;
        out.push_back(aboutFolder(check, kind));
        out.back().numbers = numbers;
    }
}

// Decodes the parts `numbers` of the folder and appends Undecodable for those that fail and, for
// part 000 of an optional element, NotTransparent when it shows.
void addDecodeFindings(const FolderCheck& check, const std::filesystem::path& base,
                       const std::vector<int>& numbers, int threads, LibraryReport& report,
                       std::vector<Finding>& found) {
    std::vector<std::filesystem::path> files;
    for (const int n : numbers)
        files.push_back(partPath(base, check.folder, n));
    const auto parts = decodeInParallel(files, threads);
    report.partsDecoded += static_cast<int>(parts.size());
    const bool optional = isOptionalElement(check.element);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool shows = parts[i] && optional && numbers[i] == 0 && !parts[i]->box.empty();
        if (!parts[i] || shows) {
            found.push_back(aboutPart(check, base, numbers[i]));
            found.back().kind = parts[i] ? FindingKind::NotTransparent : FindingKind::Undecodable;
        }
    }
}

// The findings of each part file of the folder, by number.
void addFileFindings(const FolderCheck& check, const std::filesystem::path& base,
                     const CheckOptions& options, LibraryReport& report) {
    std::vector<Finding> found;
    std::vector<int> toDecode;
    const bool optional = isOptionalElement(check.element);
    for (const int n : check.listing.present()) {
        const Finding about = aboutPart(check, base, n);
        if (check.listing.entries[static_cast<std::size_t>(n)] == PartEntry::Other) {
            found.push_back(about);
            found.back().kind = FindingKind::NotRegularFile;
            continue;
        }
        ++report.filesExamined;
        if (addHeaderFindings(about, PictureRole::Part, found) &&
            (options.decode || (optional && n == 0)))
            toDecode.push_back(n);
    }
    addDecodeFindings(check, base, toDecode, options.threads, report, found);
    std::ranges::stable_sort(found, {}, &Finding::number);
    std::ranges::move(found, std::back_inserter(report.findings));
}

void checkElement(int element, const std::filesystem::path& base, const CheckOptions& options,
                  LibraryReport& report) {
    ElementSummary summary;
    summary.element = element;
    PartFolderListing primary;
    for (const int layer : loadGroup(element)) {
        FolderCheck check;
        check.element = element;
        check.folder = layerInfo(layer).folder;
        check.primary = layer == element;
        check.path = partPath(base, check.folder, 0).parent_path();
        check.listing = listPartFolder(check.path);
        if (check.primary)
            primary = check.listing;
        const std::vector<int> present = check.listing.present();
        const int highest =
            check.primary ? check.listing.counted() : (present.empty() ? -1 : present.back());
        summary.folders.push_back({std::string(check.folder), check.primary,
                                   check.primary ? highest + 1 : static_cast<int>(present.size()),
                                   highest});
        addNumberFindings(check, primary, report.findings);
        addFileFindings(check, base, options, report);
    }
    report.elements.push_back(std::move(summary));
}

// What decoding wall.png or dummy.png finds: Undecodable, or NotTransparent for a dummy that
// shows.
std::optional<FindingKind> decodedProblem(const std::filesystem::path& file, PictureRole role) {
    if (role == PictureRole::Wall) {
        const auto wall = std::make_unique<CanvasPixels>();
        return readWallImage(file, *wall) ? std::nullopt : std::optional(FindingKind::Undecodable);
    }
    const auto dummy = decodePartFile(file);
    if (!dummy)
        return FindingKind::Undecodable;
    return dummy->box.empty() ? std::nullopt : std::optional(FindingKind::NotTransparent);
}

// The findings of wall.png or dummy.png, which are decoded whatever the options say.
void checkSpecialFile(const std::filesystem::path& file, PictureRole role, LibraryReport& report) {
    Finding about;
    about.path = file;
    std::optional<FindingKind> problem;
    if (!entryExists(file))
        problem = FindingKind::MissingFile;
    else if (!isRegularFile(file))
        problem = FindingKind::NotRegularFile;
    else if (addHeaderFindings(about, role, report.findings))
        problem = decodedProblem(file, role);
    if (!problem)
        return;
    about.kind = *problem;
    report.findings.push_back(about);
}

}  // namespace

bool isOptionalElement(int element) {
    return isValidElement(element) && kOptional[static_cast<std::size_t>(element)];
}

PictureFit partFit(int width, int height) {
    const bool larger = width > kPartSize || height > kPartSize;
    const bool smaller = width < kPartSize || height < kPartSize;
    if (larger && smaller)
        return PictureFit::CroppedAndPadded;
    return larger ? PictureFit::Cropped : PictureFit::Padded;
}

LibraryReport checkLibrary(const std::filesystem::path& base, const CheckOptions& options) {
    LibraryReport report;
    report.base = base;
    for (int element = 0; element < kElementCount; ++element)
        checkElement(element, base, options, report);
    checkSpecialFile(wallPath(base), PictureRole::Wall, report);
    checkSpecialFile(dummyPath(base), PictureRole::Part, report);
    return report;
}

}  // namespace kelvaro
