// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Draws the gallery's cells off the user-interface thread. The window hands over a snapshot of
// the portrait (a document, no pixels) and the part numbers it wants; worker threads of a pool
// of its own draw them, each with a PartPreview of its own, and hand every finished cell back to
// the user-interface thread as a signal. Every new snapshot starts a new generation: parts still
// queued for an older one are dropped, and a cell finished for an older one is never delivered,
// so no stale picture overwrites a newer one; a worker that finds its cell outdated once drawn
// does not scale it. The cells in view are drawn by workers at the window's own priority, so that
// a busy program beside the editor cannot hold them back for long; the cells asked for beyond
// them by workers at a lower one, which give way to the window and to the cells in view.
// Finished cells are handed over in batches: one event takes in every cell finished since the
// last, so that a burst of cells costs the user-interface thread one pass, not one per cell.
// Workers with nothing to draw are kept a while (a scroll or a colour change usually follows soon,
// and a kept worker shows the next snapshot by its changes alone), then let go with their
// portraits' buffers.
// Nothing here waits for a worker but the destructor.
#pragma once

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

#include "imaging/pixels.h"
#include "model/part_status.h"
#include "model/portrait_document.h"

namespace kelvaro {

class PartCache;
class PartPreview;

// A drawn cell: its canvas (the preview's own or the worker's `scratch`), and the files of the
// cell's part that show dummy.png instead (none for other cells).
struct DrawnCell {
    const CanvasPixels* canvas;
    PartFaults faults;
};

// How a worker draws cell `cell` of the snapshot `document` with a preview of its own, which
// shows the worker's previous document unless `fresh` is false (it shows `document` then), and
// a canvas of the worker's own it may draw into.
using CellDrawer = DrawnCell (*)(PartPreview& preview, const PortraitDocument& document, bool fresh,
                                 int cell, CanvasPixels& scratch);

// The gallery's cells: cell n is the portrait with part n of its current element; the faults
// are those of part n's files.
DrawnCell drawPartCell(PartPreview& preview, const PortraitDocument& document, bool fresh, int part,
                       CanvasPixels& scratch);

class GalleryRenderer : public QObject {
    Q_OBJECT
public:
    static constexpr int kCellEdge = 96;  // the export's 96x96 size
    // How long workers are kept once none has anything to draw.
    static constexpr std::chrono::milliseconds kKeepIdleWorkers{2000};

    // Parts of the library below `base`, decoded through `cache`; cells drawn by `drawer`.
    GalleryRenderer(std::filesystem::path base, PartCache* cache, QObject* parent = nullptr,
                    CellDrawer drawer = &drawPartCell);
    ~GalleryRenderer() override;

    // Worker threads drawing at once for each priority; at least 1.
    void setThreadCount(int threads);

    // A new portrait to draw cells of; drops every queued part. Returns the new generation.
    std::uint64_t setSnapshot(const PortraitDocument& document);
    std::uint64_t generation() const { return m_generation; }

    // The parts to draw for the current generation, the most wanted first; replaces the parts
    // still queued. The first `inView` of them are drawn at the window's priority, the others at
    // a lower one.
    void request(const std::vector<int>& parts, std::size_t inView = SIZE_MAX);

    // Makes the workers the cells in view will be drawn by ahead of the first request, each
    // showing the current snapshot, at the lower priority (so that they leave the processor to
    // the window's first paint); they are kept as idle workers are.
    void prepareWorkers();

    // Whether no part is queued and no worker draws one.
    bool idle() const;
    // Workers kept with nothing to draw.
    std::size_t keptWorkers() const;
    // How long workers are kept once none has anything to draw (kKeepIdleWorkers unless set).
    void setWorkerKeep(std::chrono::milliseconds keep);

signals:
    // A finished cell: part `part` drawn for snapshot `generation` (only the current one), with
    // the files of the part that do not load.
    void cellReady(quint64 generation, int part, const QImage& image,
                   const kelvaro::PartFaults& faults);

private:
    // The two priorities parts are drawn at: the cells in view, and those asked for beyond them.
    enum Lane { kInView, kBeyond, kLaneCount };
    struct Job {
        std::uint64_t generation;
        int part;
    };
    struct Finished {
        std::uint64_t generation;
        int part;
        QImage image;
        PartFaults faults;
    };
    struct Worker;

    void startWorkers();
    void work(Lane lane);
    bool takeJob(Lane lane, std::unique_ptr<Worker>& worker, Job& job, PortraitDocument& document);
    void keepWhenAllIdle();
    void releaseIdleWorkers();
    std::unique_ptr<Worker> takeWorker();
    void deliver(std::uint64_t generation, int part, QImage image, PartFaults faults);
    void takeFinished();

    const std::filesystem::path m_base;
    PartCache* const m_cache;
    const CellDrawer m_drawer;
    std::array<QThreadPool, kLaneCount> m_pools;

    mutable std::mutex m_mutex;                   // guards what follows
    std::atomic<std::uint64_t> m_generation = 0;  // written under the lock, read anywhere
    PortraitDocument m_snapshot;
    std::array<std::deque<int>, kLaneCount> m_queues;
    std::array<int, kLaneCount> m_running{};
    std::vector<std::unique_ptr<Worker>> m_idleWorkers;
    std::vector<Finished> m_finished;  // waiting for the user-interface thread to take them in
    // Started when every worker has gone idle; lets the kept workers go when it fires.
    QTimer m_keepTimer;
};

}  // namespace kelvaro
