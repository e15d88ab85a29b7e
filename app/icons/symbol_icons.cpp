#include "icons/symbol_icons.h"

#include <algorithm>

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QtMath>

#include "icons/symbol_catalog.h"

namespace tallyra::app {

namespace {

class SymbolIconEngine final : public QIconEngine
{
public:
    SymbolIconEngine(QString name, QColor color) : m_name(std::move(name)), m_color(color) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = std::min(rect.width(), rect.height());
        const QPixmap pm = SymbolIcons::pixmap(m_name, colorFor(mode), side, dpr);
        const QRect target(rect.x() + (rect.width() - side) / 2,
                           rect.y() + (rect.height() - side) / 2, side, side);
        painter->drawPixmap(target, pm);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        return SymbolIcons::pixmap(m_name, colorFor(mode), std::min(size.width(), size.height()),
                                   1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        return SymbolIcons::pixmap(m_name, colorFor(mode), std::min(size.width(), size.height()),
                                   scale);
    }

    QIconEngine* clone() const override { return new SymbolIconEngine(m_name, m_color); }
    QString key() const override { return QStringLiteral("tallyra-symbol"); }

private:
    QColor colorFor(QIcon::Mode mode) const
    {
        const QPalette palette = QApplication::palette();
        if (mode == QIcon::Disabled)
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        if (mode == QIcon::Selected)
            return palette.color(QPalette::Active, QPalette::HighlightedText);
        return m_color.isValid() ? m_color : palette.color(QPalette::Active, QPalette::WindowText);
    }

    QString m_name;
    QColor m_color;
};

} // namespace

QPixmap SymbolIcons::pixmap(const QString& name, const QColor& color, int size,
                            qreal devicePixelRatio)
{
    if (size <= 0)
        return {};
    const QString key = QStringLiteral("tallyra-symbol:%1:%2:%3:%4")
                            .arg(name, color.name(QColor::HexArgb))
                            .arg(size)
                            .arg(devicePixelRatio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;

    const SymbolEntry& entry = SymbolCatalog::bundled().resolve(name);
    const int pixels = qCeil(size * devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer renderer(entry.resource);
        renderer.setAspectRatioMode(Qt::KeepAspectRatio);
        renderer.render(&painter, QRectF(0, 0, pixels, pixels));
        // The icons are drawn in one colour; SourceIn keeps their shape and
        // takes the colour we want.
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
    }
    QPixmap result = QPixmap::fromImage(std::move(image));
    result.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, result);
    return result;
}

QIcon SymbolIcons::icon(const QString& name)
{
    return QIcon(new SymbolIconEngine(name, QColor()));
}

QIcon SymbolIcons::icon(const QString& name, const QColor& color)
{
    return QIcon(new SymbolIconEngine(name, color));
}

} // namespace tallyra::app
