// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screenlabel.h"

#include <QFont>

namespace lxp {

QLabel* ScreenLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                    const LabelLook& look)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(look.pointSize);
    font.setBold(look.bold);
    label->setFont(font);
    label->setAlignment(look.alignment);
    label->setWordWrap(look.wordWrap);
    label->setGeometry(geometry);
    LabelColourSet(*label, look.colour);
    return label;
}

void ScreenFontsPrepare()
{
    // The screens are designed with a rounded hand-lettered face; a free look-alike
    // is installed with the program. Hangul falls back to a CJK face.
    const QStringList rounded = {QStringLiteral("Comic Neue"), QStringLiteral("Noto Sans CJK KR")};
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), rounded);
    const QStringList plain = {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK KR")};
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), plain);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), plain);
}

QColor LabelColour(const QLabel& label)
{
    return label.palette().color(QPalette::WindowText);
}

void LabelColourSet(QLabel& label, const QColor& colour)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

QFrame* ScreenDecoration(QWidget* parent, const QString& name, const QRect& geometry,
                         const QString& style)
{
    auto* shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setGeometry(geometry);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->setStyleSheet(style);
    return shape;
}

} // namespace lxp
