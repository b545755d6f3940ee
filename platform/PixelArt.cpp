#include "platform/PixelArt.h"

#include <QIconEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

int PixelArtFactor(qreal devicePixelRatio) {
    return std::max(1, static_cast<int>(std::lround(devicePixelRatio)));
}

QImage ReplicatePixels(const QImage& art, int factor) {
    if (factor <= 1 || art.isNull()) return art;
    // Qt's fast scaling samples pixel centres, which is replication at whole factors; scaling by
    // an exact size keeps it from rounding the result.
    return art.scaled(art.width() * factor, art.height() * factor, Qt::IgnoreAspectRatio,
                      Qt::FastTransformation);
}

QPixmap CrispPixmap(const QPixmap& art, qreal devicePixelRatio) {
    if (art.isNull()) return art;
    const int factor = PixelArtFactor(devicePixelRatio);
    QPixmap result = factor == 1 ? art
                                 : art.scaled(art.width() * factor, art.height() * factor,
                                              Qt::IgnoreAspectRatio, Qt::FastTransformation);
    result.setDevicePixelRatio(factor);
    return result;
}

namespace {

class CrispIconEngine : public QIconEngine {
public:
    CrispIconEngine(const QPixmap& normalArt, const QPixmap& disabledArt)
        : normal(normalArt), disabled(disabledArt) {}

    QIconEngine* clone() const override { return new CrispIconEngine(normal, disabled); }
    QString key() const override { return QStringLiteral("CrispIconEngine"); }
    bool isNull() override { return normal.isNull(); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return Art(QIcon::Normal).size().boundedTo(size);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State) override { return {Art(mode).size()}; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const QPixmap& art = Art(mode);
        if (art.isNull()) return art;
        // Asked for a size in device pixels without a ratio, the ratio is how much larger that
        // size is than the art.
        const qreal ratio = scale > 1.0 ? scale : qreal(size.width()) / art.width();
        return CrispPixmap(art, ratio);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
        const QPixmap picture = scaledPixmap(rect.size(), mode, state, ratio);
        const QSize logical = picture.deviceIndependentSize().toSize();
        painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - logical.width()) / 2,
                                                          (rect.height() - logical.height()) / 2),
                                  logical),
                            picture);
    }

private:
    const QPixmap& Art(QIcon::Mode mode) const {
        return mode == QIcon::Disabled && !disabled.isNull() ? disabled : normal;
    }

    QPixmap normal;
    QPixmap disabled;
};

}  // namespace

QIcon CrispIcon(const QPixmap& normal, const QPixmap& disabled) {
    return QIcon(new CrispIconEngine(normal, disabled));
}
