// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/gallery_renderer.h"

#include <malloc.h>

#include <algorithm>
#include <array>

#include "imaging/export_image.h"
#include "io/thread_niceness.h"
#include "model/part_preview.h"

namespace kelvaro {
namespace {

// How much nicer than the window each lane's workers run (Linux gives each thread a niceness of
// its own). The cells in view are drawn at the window's own priority: a nicer worker gets a
// fraction of a CPU it shares with a busy program (a quarter at 5), and a colour change then
// waits for the cells in view far longer than the window takes for its own part. The cells
// beyond the view are drawn much nicer, so that they never take time from the window or from
// the cells in view.
constexpr std::array<int, 2> kLaneNiceness = {0, 10};

void setThisThreadsNiceness(int above) {
    thread_local const bool niced = above == 0 || raiseThisThreadsNiceness(above);
    (void)niced;
}

}  // namespace

// What one worker thread draws with: its own portrait, made to show the snapshot of the
// generation it last drew for.
struct GalleryRenderer::Worker {
    Worker(const std::filesystem::path& base, PartCache* cache) : preview(base, cache) {}
    PartPreview preview;
    std::unique_ptr<CanvasPixels> canvas = makeCanvasPixels();
    std::uint64_t generation = 0;  // 0: no snapshot shown yet
};

DrawnCell drawPartCell(PartPreview& preview, const PortraitDocument& document, bool fresh, int part,
                       CanvasPixels&) {
    if (fresh)
        preview.show(document);
    const CanvasPixels& canvas = preview.composeWithPart(part);
    return {&canvas, preview.faultsOfPart(part)};
}

GalleryRenderer::GalleryRenderer(std::filesystem::path base, PartCache* cache, QObject* parent,
                                 CellDrawer drawer)
    : QObject(parent), m_base(std::move(base)), m_cache(cache), m_drawer(drawer) {
    setThreadCount(QThread::idealThreadCount());
    m_keepTimer.setSingleShot(true);
    m_keepTimer.setInterval(kKeepIdleWorkers);
    connect(&m_keepTimer, &QTimer::timeout, this, &GalleryRenderer::releaseIdleWorkers);
}

GalleryRenderer::~GalleryRenderer() {
    {
        std::lock_guard lock(m_mutex);
        for (auto& queue : m_queues)
            queue.clear();
        ++m_generation;
    }
    for (QThreadPool& pool : m_pools)
        pool.waitForDone();
    m_idleWorkers.clear();
    malloc_trim(0);
}

void GalleryRenderer::setThreadCount(int threads) {
    for (QThreadPool& pool : m_pools)
        pool.setMaxThreadCount(std::max(1, threads));
}

std::uint64_t GalleryRenderer::setSnapshot(const PortraitDocument& document) {
    std::lock_guard lock(m_mutex);
    m_snapshot = document;
    for (auto& queue : m_queues)
        queue.clear();
    return ++m_generation;
}

void GalleryRenderer::request(const std::vector<int>& parts, std::size_t inView) {
    {
        std::lock_guard lock(m_mutex);
        const auto split =
            parts.begin() + static_cast<std::ptrdiff_t>(std::min(inView, parts.size()));
        m_queues[kInView].assign(parts.begin(), split);
        m_queues[kBeyond].assign(split, parts.end());
    }
    startWorkers();
}

void GalleryRenderer::prepareWorkers() {
    if (m_generation == 0)
        return;  // no snapshot to show yet
    for (int n = 0; n < m_pools[kInView].maxThreadCount(); ++n) {
        m_pools[kBeyond].start([this] {
            setThisThreadsNiceness(kLaneNiceness[kBeyond]);
            auto worker = std::make_unique<Worker>(m_base, m_cache);
            PortraitDocument document;
            {
                std::lock_guard lock(m_mutex);
                document = m_snapshot;
                worker->generation = m_generation;
            }
            worker->preview.show(document);
            {
                std::lock_guard lock(m_mutex);
                m_idleWorkers.push_back(std::move(worker));
            }
            keepWhenAllIdle();
        });
    }
}

std::size_t GalleryRenderer::keptWorkers() const {
    std::lock_guard lock(m_mutex);
    return m_idleWorkers.size();
}

void GalleryRenderer::setWorkerKeep(std::chrono::milliseconds keep) {
    m_keepTimer.setInterval(keep);
}

bool GalleryRenderer::idle() const {
    std::lock_guard lock(m_mutex);
    return std::all_of(m_queues.begin(), m_queues.end(), [](const auto& q) { return q.empty(); }) &&
           std::all_of(m_running.begin(), m_running.end(), [](int n) { return n == 0; });
}

void GalleryRenderer::startWorkers() {
    std::lock_guard lock(m_mutex);
    for (const Lane lane : {kInView, kBeyond}) {
        QThreadPool& pool = m_pools[lane];
        const auto wanted = std::min<std::size_t>(m_queues[lane].size(),
                                                  static_cast<std::size_t>(pool.maxThreadCount()));
        while (static_cast<std::size_t>(m_running[lane]) < wanted) {
            ++m_running[lane];
            pool.start([this, lane] { work(lane); });
        }
    }
}

std::unique_ptr<GalleryRenderer::Worker> GalleryRenderer::takeWorker() {
    {
        std::lock_guard lock(m_mutex);
        if (!m_idleWorkers.empty()) {
            auto worker = std::move(m_idleWorkers.back());
            m_idleWorkers.pop_back();
            return worker;
        }
    }
    return std::make_unique<Worker>(m_base, m_cache);
}

// Runs on a worker thread of `lane`'s pool until nothing is queued in that lane. A cell whose
// generation passed while it was drawn is neither scaled nor delivered.
void GalleryRenderer::work(Lane lane) {
    setThisThreadsNiceness(kLaneNiceness[lane]);
    std::unique_ptr<Worker> worker = takeWorker();
    Job job{};
    PortraitDocument document;
    while (takeJob(lane, worker, job, document)) {
        const bool fresh = worker->generation != job.generation;
        worker->generation = job.generation;
        DrawnCell cell = m_drawer(worker->preview, document, fresh, job.part, *worker->canvas);
        if (job.generation == m_generation)
            deliver(job.generation, job.part, exportedImage(*cell.canvas, kCellEdge),
                    std::move(cell.faults));
    }
    keepWhenAllIdle();
}

// When no worker of either lane runs any more (a pass over the cells has ended), the idle
// workers are kept for the next request until the keep timer fires (started again from the
// user-interface thread, where it lives).
void GalleryRenderer::keepWhenAllIdle() {
    {
        std::lock_guard lock(m_mutex);
        if (std::any_of(m_running.begin(), m_running.end(), [](int n) { return n > 0; }))
            return;
    }
    QMetaObject::invokeMethod(
        this, [this] { m_keepTimer.start(); }, Qt::QueuedConnection);
}

// Lets the kept workers go with their portraits' buffers, unless a worker runs again, and hands
// the memory they held back to the system: the workers' decodes leave freed blocks in their
// threads' heaps, which would otherwise stay resident. That is done on a worker thread of the
// lower lane, away from the window. The next request makes its workers afresh.
void GalleryRenderer::releaseIdleWorkers() {
    auto idle = std::make_shared<std::vector<std::unique_ptr<Worker>>>();
    {
        std::lock_guard lock(m_mutex);
        if (std::any_of(m_running.begin(), m_running.end(), [](int n) { return n > 0; }))
            return;
        idle->swap(m_idleWorkers);
    }
    if (idle->empty())
        return;
    m_pools[kBeyond].start([idle] {
        idle->clear();
        malloc_trim(0);
    });
}

// The next part queued in `lane`, with the snapshot when the worker has not shown this
// generation yet. When nothing is queued the worker is put aside and false returned, under the
// same lock as queueing, so that no queued part is ever left without a running worker.
bool GalleryRenderer::takeJob(Lane lane, std::unique_ptr<Worker>& worker, Job& job,
                              PortraitDocument& document) {
    std::lock_guard lock(m_mutex);
    std::deque<int>& queue = m_queues[lane];
    if (queue.empty()) {
        m_idleWorkers.push_back(std::move(worker));
        --m_running[lane];
        return false;
    }
    job = {m_generation, queue.front()};
    queue.pop_front();
    if (worker->generation != m_generation)
        document = m_snapshot;
    return true;
}

// Adds a finished cell to those waiting; the first one waiting posts the event that takes them
// all in.
void GalleryRenderer::deliver(std::uint64_t generation, int part, QImage image, PartFaults faults) {
    bool first = false;
    {
        std::lock_guard lock(m_mutex);
        first = m_finished.empty();
        m_finished.push_back({generation, part, std::move(image), std::move(faults)});
    }
    if (first)
        QMetaObject::invokeMethod(this, &GalleryRenderer::takeFinished, Qt::QueuedConnection);
}

void GalleryRenderer::takeFinished() {
    std::vector<Finished> finished;
    {
        std::lock_guard lock(m_mutex);
        finished.swap(m_finished);
    }
    for (const Finished& cell : finished) {
        if (cell.generation == m_generation)
            emit cellReady(cell.generation, cell.part, cell.image, cell.faults);
    }
}

}  // namespace kelvaro
