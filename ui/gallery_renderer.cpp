// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/gallery_renderer.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

#include "imaging/export_image.h"
#include "model/part_preview.h"

namespace kelvaro {
namespace {

// Workers yield to the user-interface thread where they share a CPU with it: a nicer thread
// (Linux gives each thread its own niceness) is preempted as soon as the window has work.
constexpr int kWorkerNiceness = 5;

void lowerThisThreadsPriority() {
    thread_local const bool lowered =
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kWorkerNiceness) == 0;
    (void)lowered;
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

void drawPartCell(PartPreview& preview, const PortraitDocument& document, bool fresh, int part,
                  CanvasPixels& out) {
    if (fresh)
        preview.show(document);
    preview.composeWithPart(part, out);
}

GalleryRenderer::GalleryRenderer(std::filesystem::path base, PartCache* cache, QObject* parent,
                                 CellDrawer drawer)
    : QObject(parent), m_base(std::move(base)), m_cache(cache), m_drawer(drawer) {
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

GalleryRenderer::~GalleryRenderer() {
    {
        std::lock_guard lock(m_mutex);
        m_queue.clear();
        ++m_generation;
    }
    m_pool.waitForDone();
}

void GalleryRenderer::setThreadCount(int threads) {
    m_pool.setMaxThreadCount(std::max(1, threads));
}

std::uint64_t GalleryRenderer::setSnapshot(const PortraitDocument& document) {
    std::lock_guard lock(m_mutex);
    m_snapshot = document;
    m_queue.clear();
    return ++m_generation;
}

void GalleryRenderer::request(const std::vector<int>& parts) {
    {
        std::lock_guard lock(m_mutex);
        m_queue.assign(parts.begin(), parts.end());
    }
    startWorkers();
}

void GalleryRenderer::startWorkers() {
    std::lock_guard lock(m_mutex);
    const auto wanted =
        std::min<std::size_t>(m_queue.size(), static_cast<std::size_t>(m_pool.maxThreadCount()));
    while (static_cast<std::size_t>(m_running) < wanted) {
        ++m_running;
        m_pool.start([this] { work(); });
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

// Runs on a worker thread until nothing is queued.
void GalleryRenderer::work() {
    lowerThisThreadsPriority();
    std::unique_ptr<Worker> worker = takeWorker();
    Job job{};
    PortraitDocument document;
    while (takeJob(worker, job, document)) {
        const bool fresh = worker->generation != job.generation;
        worker->generation = job.generation;
        m_drawer(worker->preview, document, fresh, job.part, *worker->canvas);
        deliver(job.generation, job.part, exportedImage(*worker->canvas, kCellEdge));
    }
}

// The next queued part, with the snapshot when the worker has not shown this generation yet.
// When nothing is queued the worker is put aside and false returned, under the same lock as
// queueing, so that no queued part is ever left without a running worker.
bool GalleryRenderer::takeJob(std::unique_ptr<Worker>& worker, Job& job,
                              PortraitDocument& document) {
    std::lock_guard lock(m_mutex);
    if (m_queue.empty()) {
        m_idleWorkers.push_back(std::move(worker));
        --m_running;
        return false;
    }
    job = {m_generation, m_queue.front()};
    m_queue.pop_front();
    if (worker->generation != m_generation)
        document = m_snapshot;
    return true;
}

void GalleryRenderer::deliver(std::uint64_t generation, int part, QImage image) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, part, image = std::move(image)] {
            if (generation == m_generation)
                emit cellReady(generation, part, image);
        },
        Qt::QueuedConnection);
}

}  // namespace kelvaro
