// The pictures as the windows get them: for the pixel ratios and icon sizes that the build drew in
// advance, an image that reads the build's pixels where the program holds them, neither unpacked nor
// copied; anything else drawn when asked for.
#include "ui/prebuilt_artwork.h"

#include "ui/artwork.h"
#include "ui/metrics.h"

#include <QIconEngine>
#include <QImage>
#include <QPixmapCache>
#include <algorithm>
#include <iterator>

namespace pumpvale::artwork {
namespace {

// The build's pixels of picture at key, or a null image when the build did not draw them.
QImage prebuilt(int picture, int key) {
    for (const PrebuiltPixels& p : prebuiltPixels())
        if (p.picture == picture && p.key == key)
            return {p.pixels, p.width, p.height, qsizetype(p.width) * 4,
                    static_cast<QImage::Format>(p.format)};
    return {};
}

// The key of a screen's pixel ratio among those drawn in advance, or 0.
int ratioKey(double devicePixelRatio) {
    for (const double ratio : kPrebuiltRatios)
        if (qAbs(devicePixelRatio - ratio) < 1e-9)
            return qRound(ratio * 100);
    return 0;
}

QImage prebuiltForScreen(QPixmap (*draw)(double scale), double devicePixelRatio) {
    const auto* found = std::find(std::begin(kPrebuiltPictures), std::end(kPrebuiltPictures), draw);
    const int key = ratioKey(devicePixelRatio);
    if (found == std::end(kPrebuiltPictures) || key == 0)
        return {};
    return prebuilt(static_cast<int>(found - std::begin(kPrebuiltPictures)), key);
}

// The icon is made only in the sizes asked for, when they are asked for, which is after the first
// window has been drawn (ui/startup.cpp).
class EmblemIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        paintEmblem(*painter, rect);
    }
    // Every window hands its icon to the window manager in every size, some twice over: the sizes the
    // build drew are shown from its pixels, any other is drawn once and kept in Qt's pixmap cache.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (size.width() == size.height())
            if (const QImage made = prebuilt(kIcon, size.width()); !made.isNull())
                return QPixmap::fromImage(made);
        const QString key = QStringLiteral("pumpvale-emblem-%1x%2").arg(size.width()).arg(size.height());
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        pixmap = emblem(size);
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }
    QIconEngine* clone() const override { return new EmblemIconEngine; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int size : kIconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
};

} // namespace

QIcon windowIcon() {
    return QIcon(new EmblemIconEngine);
}

QPixmap forScreen(QPixmap (*draw)(double scale), double devicePixelRatio) {
    if (QImage made = prebuiltForScreen(draw, devicePixelRatio); !made.isNull()) {
        made.setDevicePixelRatio(devicePixelRatio); // only the image's description changes
        return QPixmap::fromImage(made);
    }
    QPixmap pixmap = draw(metrics::kScale * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace pumpvale::artwork
