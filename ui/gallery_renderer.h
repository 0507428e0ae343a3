// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Draws the gallery's cells off the user-interface thread. The window hands over a snapshot of
// the portrait (a document, no pixels) and the part numbers it wants; worker threads of a pool
// of its own draw them, each with a PartPreview of its own, and hand every finished cell back to
// the user-interface thread as a signal. Every new snapshot starts a new generation: parts still
// queued for an older one are dropped, and a cell finished for an older one is never delivered,
// so no stale picture overwrites a newer one. Nothing here waits for a worker but the destructor.
#pragma once

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

#include "imaging/pixels.h"
#include "model/portrait_document.h"

namespace kelvaro {

class PartCache;
class PartPreview;

// How a worker draws cell `cell` of the snapshot `document` into `out` with a preview of its own,
// which shows the worker's previous document unless `fresh` is false (it shows `document` then).
using CellDrawer = void (*)(PartPreview& preview, const PortraitDocument& document, bool fresh,
                            int cell, CanvasPixels& out);

// The gallery's cells: cell n is the portrait with part n of its current element.
void drawPartCell(PartPreview& preview, const PortraitDocument& document, bool fresh, int part,
                  CanvasPixels& out);

class GalleryRenderer : public QObject {
    Q_OBJECT
public:
    static constexpr int kCellEdge = 96;  // the export's 96x96 size

    // Parts of the library below `base`, decoded through `cache`; cells drawn by `drawer`.
    GalleryRenderer(std::filesystem::path base, PartCache* cache, QObject* parent = nullptr,
                    CellDrawer drawer = &drawPartCell);
    ~GalleryRenderer() override;

    // Worker threads drawing at once; at least 1.
    void setThreadCount(int threads);

    // A new portrait to draw cells of; drops every queued part. Returns the new generation.
    std::uint64_t setSnapshot(const PortraitDocument& document);
    std::uint64_t generation() const { return m_generation; }

    // The parts to draw for the current generation, the most wanted first; replaces the parts
    // still queued.
    void request(const std::vector<int>& parts);

signals:
    // A finished cell: part `part` drawn for snapshot `generation` (only the current one).
    void cellReady(quint64 generation, int part, const QImage& image);

private:
    struct Job {
        std::uint64_t generation;
        int part;
    };
    struct Worker;

    void startWorkers();
    void work();
    bool takeJob(std::unique_ptr<Worker>& worker, Job& job, PortraitDocument& document);
    std::unique_ptr<Worker> takeWorker();
    void deliver(std::uint64_t generation, int part, QImage image);

    const std::filesystem::path m_base;
    PartCache* const m_cache;
    const CellDrawer m_drawer;
    QThreadPool m_pool;

    std::mutex m_mutex;  // guards what follows
    std::uint64_t m_generation = 0;
    PortraitDocument m_snapshot;
    std::deque<int> m_queue;
    int m_running = 0;
    std::vector<std::unique_ptr<Worker>> m_idleWorkers;
};

}  // namespace kelvaro
