// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "bench/bench_peers.h"

#include <cairo.h>
#include <pixman.h>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>
#include <numbers>

#include "imaging/blend.h"

namespace kelvaro::bench {
namespace {

constexpr double kPivot = 95.0;

std::vector<Argb> premultiplied(const PartPixels& image) {
    std::vector<Argb> out(image.size());
    for (std::size_t n = 0; n < image.size(); ++n)
        out[n] = premultiply(image[n]);
    return out;
}

class CairoPeer {
public:
    explicit CairoPeer(const Frame& frame) {
        for (const auto& image : frame.images)
            m_pixels.push_back(premultiplied(*image));
    }
    void compose(const Frame& frame, CanvasPixels& out) {
        out = *frame.wall;
        cairo_surface_t* target = surfaceOver(out.data(), kCanvasSize);
        cairo_t* cr = cairo_create(target);
        for (std::size_t n = 0; n < frame.layers.size(); ++n) {
            cairo_surface_t* layer = surfaceOver(m_pixels[n].data(), kPartSize);
            cairo_save(cr);
            cairo_translate(cr, kPivot, kPivot);
            cairo_rotate(cr, frame.layers[n].angle * std::numbers::pi / 180.0);
            cairo_translate(cr, -kPivot, -kPivot);
            cairo_set_source_surface(cr, layer, frame.layers[n].x, frame.layers[n].y);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
            cairo_paint(cr);
            cairo_restore(cr);
            cairo_surface_destroy(layer);
        }
        cairo_destroy(cr);
        cairo_surface_flush(target);
        cairo_surface_destroy(target);
    }

private:
    static cairo_surface_t* surfaceOver(Argb* pixels, int size) {
        return cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels),
                                                   CAIRO_FORMAT_ARGB32, size, size,
                                                   size * static_cast<int>(sizeof(Argb)));
    }
    std::vector<std::vector<Argb>> m_pixels;
};

class PixmanPeer {
public:
    explicit PixmanPeer(const Frame& frame) {
        m_params = pixman_filter_create_separable_convolution(
            &m_paramCount, pixman_int_to_fixed(1), pixman_int_to_fixed(1), PIXMAN_KERNEL_IMPULSE,
            PIXMAN_KERNEL_IMPULSE, PIXMAN_KERNEL_CUBIC, PIXMAN_KERNEL_CUBIC, 4, 4);
        for (const auto& image : frame.images)
            m_pixels.push_back(premultiplied(*image));
    }
    ~PixmanPeer() { free(m_params); }
    void compose(const Frame& frame, CanvasPixels& out) {
        out = *frame.wall;
        pixman_image_t* target = imageOver(out.data(), kCanvasSize);
        for (std::size_t n = 0; n < frame.layers.size(); ++n) {
            pixman_image_t* layer = imageOver(m_pixels[n].data(), kPartSize);
            pixman_transform_t transform = inverseOf(frame.layers[n]);
            pixman_image_set_transform(layer, &transform);
            pixman_image_set_filter(layer, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, m_params,
                                    m_paramCount);
            pixman_image_composite32(PIXMAN_OP_OVER, layer, nullptr, target, 0, 0, 0, 0, 0, 0,
                                     kCanvasSize, kCanvasSize);
            pixman_image_unref(layer);
        }
        pixman_image_unref(target);
    }

private:
    static pixman_image_t* imageOver(Argb* pixels, int size) {
        return pixman_image_create_bits(PIXMAN_a8r8g8b8, size, size, pixels,
                                        size * static_cast<int>(sizeof(Argb)));
    }
    // Canvas point to layer point: R(-a) (p - pivot) + pivot - (x, y).
    static pixman_transform_t inverseOf(const CompositorLayer& layer) {
        const double a = layer.angle * std::numbers::pi / 180.0;
        const double c = std::cos(a), s = std::sin(a);
        pixman_f_transform_t f{};
        f.m[0][0] = c, f.m[0][1] = s, f.m[0][2] = kPivot - c * kPivot - s * kPivot - layer.x;
        f.m[1][0] = -s, f.m[1][1] = c, f.m[1][2] = kPivot + s * kPivot - c * kPivot - layer.y;
        f.m[2][2] = 1;
        pixman_transform_t t;
        pixman_transform_from_pixman_f_transform(&t, &f);
        return t;
    }
    pixman_fixed_t* m_params = nullptr;
    int m_paramCount = 0;
    std::vector<std::vector<Argb>> m_pixels;
};

class QPainterPeer {
public:
    explicit QPainterPeer(const Frame& frame) {
        for (const auto& image : frame.images) {
            QImage straight(reinterpret_cast<const uchar*>(image->data()), kPartSize, kPartSize,
                            QImage::Format_ARGB32);
            m_images.push_back(straight.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }
    void compose(const Frame& frame, CanvasPixels& out) {
        out = *frame.wall;
        QImage target(reinterpret_cast<uchar*>(out.data()), kCanvasSize, kCanvasSize,
                      QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (std::size_t n = 0; n < frame.layers.size(); ++n) {
            const CompositorLayer& layer = frame.layers[n];
            painter.setTransform(QTransform()
                                     .translate(kPivot, kPivot)
                                     .rotate(layer.angle)
                                     .translate(-kPivot, -kPivot));
            painter.drawImage(layer.x, layer.y, m_images[n]);
        }
    }

private:
    std::vector<QImage> m_images;
};

template <typename Composer>
Peer peerOf(const Frame& frame) {
    auto composer = std::make_shared<Composer>(frame);
    return [composer](const Frame& f, CanvasPixels& out) { composer->compose(f, out); };
}

}  // namespace

Peer makeCairoPeer(const Frame& frame) {
    return peerOf<CairoPeer>(frame);
}
Peer makePixmanPeer(const Frame& frame) {
    return peerOf<PixmanPeer>(frame);
}
Peer makeQPainterPeer(const Frame& frame) {
    return peerOf<QPainterPeer>(frame);
}

}  // namespace kelvaro::bench
