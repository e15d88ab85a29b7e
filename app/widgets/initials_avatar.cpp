#include "widgets/initials_avatar.h"

#include <QPainter>
#include <QRegularExpression>

namespace tallyra::app {

QString initials(const QString& name)
{
    QString cleaned = name;
    cleaned.remove(QRegularExpression(QStringLiteral("\\([^)]*\\)")));
    const QStringList words =
        cleaned.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    const auto firstLetter = [](const QString& word) -> QString {
        for (const char32_t code : word.toUcs4())
            if (QChar::isLetter(code))
                return QString::fromUcs4(&code, 1).toUpper();
        return {};
    };
    QStringList letters;
    for (const QString& word : words) {
        const QString letter = firstLetter(word);
        if (!letter.isEmpty())
            letters.push_back(letter);
    }
    if (letters.isEmpty())
        return QStringLiteral("?");
    if (letters.size() == 1)
        return letters.front();
    return letters.front() + letters.back();
}

InitialsAvatar::InitialsAvatar(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void InitialsAvatar::setName(const QString& name)
{
    m_initials = initials(name);
    setAccessibleName(name);
    update();
}

QSize InitialsAvatar::sizeHint() const
{
    const int side = fontMetrics().height() * 2;
    return {side, side};
}

void InitialsAvatar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawEllipse(circle);
    QFont font = this->font();
    font.setWeight(QFont::DemiBold);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(circle, Qt::AlignCenter, m_initials);
}

} // namespace tallyra::app
