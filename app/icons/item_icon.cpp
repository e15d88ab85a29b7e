#include "icons/item_icon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "icons/symbol_icons.h"
#include "theme/color_contrast.h"

namespace tallyra::app {

QString emojiFontFamily()
{
    return QStringLiteral("Noto Color Emoji");
}

QColor glyphColorOn(const QColor& disc)
{
    return contrastRatio(Qt::white, disc) >= contrastRatio(Qt::black, disc) ? QColor(Qt::white)
                                                                            : QColor(Qt::black);
}

void paintItemIcon(QPainter& painter, const QRectF& rect, const CategoryIcon& icon,
                   const QColor& color, const QImage& picture)
{
    const qreal side = std::min(rect.width(), rect.height());
    const QRectF disc(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);

    if (icon.kind() == CategoryIcon::Kind::image && !picture.isNull()) {
        QPainterPath clip;
        clip.addEllipse(disc);
        painter.setClipPath(clip);
        const QImage square = picture.scaled(
            disc.size().toSize() * 2, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        const QRectF source((square.width() - disc.width() * 2) / 2,
                            (square.height() - disc.height() * 2) / 2, disc.width() * 2,
                            disc.height() * 2);
        painter.drawImage(disc, square, source);
    } else if (icon.kind() == CategoryIcon::Kind::emoji) {
        painter.setBrush(mix(color, Qt::white, 0.75));
        painter.drawEllipse(disc);
        QFont font(emojiFontFamily());
        font.setPixelSize(qMax(1, qRound(side * 0.58)));
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(disc, Qt::AlignCenter, icon.value());
    } else {
        painter.setBrush(color);
        painter.drawEllipse(disc);
        const int glyph = qMax(1, qRound(side * 0.55));
        const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        const QString name = icon.kind() == CategoryIcon::Kind::symbol
                                 ? icon.value()
                                 : QString::fromUtf16(kFallbackCategorySymbol);
        const QPixmap pm = SymbolIcons::pixmap(name, glyphColorOn(color), glyph, dpr);
        painter.drawPixmap(
            QRectF(disc.center().x() - glyph / 2.0, disc.center().y() - glyph / 2.0, glyph, glyph),
            pm, QRectF(pm.rect()));
    }
    painter.restore();
}

QPixmap itemIconPixmap(const CategoryIcon& icon, const QColor& color, int size,
                       qreal devicePixelRatio, const QImage& picture)
{
    QPixmap pixmap(qCeil(size * devicePixelRatio), qCeil(size * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintItemIcon(painter, QRectF(0, 0, size, size), icon, color, picture);
    return pixmap;
}

} // namespace tallyra::app
