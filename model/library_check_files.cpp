// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/library_check_files.h"

#include <QFile>
#include <algorithm>
#include <atomic>
#include <thread>

#include "imaging/picture_header.h"
#include "imaging/pixels.h"
#include "io/file_boundary.h"

namespace kelvaro {
namespace {

Finding findingOf(const Finding& about, FindingKind kind) {
    Finding finding = about;
    finding.kind = kind;
    return finding;
}

PictureHeader headerOfFile(const std::filesystem::path& file) {
    QFile device;
    if (!openRegularFile(file, device))
        return {};
    return readPictureHeader(device);
}

int threadCount(int asked, std::size_t jobs) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int wanted = asked > 0 ? asked : cores;
    return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(wanted), jobs));
}

}  // namespace

bool addHeaderFindings(const Finding& about, PictureRole role, std::vector<Finding>& out) {
    const PictureHeader header = headerOfFile(about.path);
    if (header.kind == PictureHeader::Kind::Unreadable) {
        out.push_back(findingOf(about, FindingKind::Undecodable));
        return false;
    }
    if (header.kind == PictureHeader::Kind::OtherFormat) {
        out.push_back(findingOf(about, FindingKind::NotPng));
        out.back().format = header.format;
    }
    const int size = role == PictureRole::Wall ? kCanvasSize : kPartSize;
    if (header.width != size || header.height != size) {
        out.push_back(findingOf(about, FindingKind::WrongSize));
        out.back().width = header.width;
        out.back().height = header.height;
        out.back().fit = role == PictureRole::Wall ? PictureFit::Stretched
                                                   : partFit(header.width, header.height);
    }
    return true;
}

std::vector<std::shared_ptr<const DecodedPart>> decodeInParallel(
    std::span<const std::filesystem::path> files, int threads) {
    std::vector<std::shared_ptr<const DecodedPart>> parts(files.size());
    std::atomic<std::size_t> next = 0;
    const auto work = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++)
            parts[i] = decodePartFile(files[i]);
    };
    {
        std::vector<std::jthread> workers;  // joined at the end of this block
        for (int t = 1; t < threadCount(threads, files.size()); ++t)
            workers.emplace_back(work);
        work();
    }
    return parts;
}

}  // namespace kelvaro
