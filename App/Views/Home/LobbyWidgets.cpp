#include "Views/Home/LobbyWidgets.h"

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Controls/ButtonFaces.h"

#include <cmath>

namespace LobbyWidgets {

QLabel* label(const QString& text, double size, FontWeight weight, const RGB& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(ThemeFonts::system(size, weight));
    label->setTextFormat(Qt::PlainText);
    recolor(label, colour);
    return label;
}

QLabel* partLabel(const QString& text, double size, FontWeight weight, const RGB& colour, QWidget* parent) {
    // Hidden before it has words: Qt settles what a label is to a reader when its text is first set.
    QLabel* line = label(QString(), size, weight, colour, parent);
    StyleAccessibility::setHidden(line);
    line->setText(text);
    return line;
}

void recolor(QLabel* label, const RGB& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    label->setPalette(palette);
}

int buttonWidth(const TableTheme& theme, ControlSize size, double faceWidth) {
    const QMarginsF reach = ButtonFaces::reach(theme, size);
    return static_cast<int>(std::ceil(faceWidth + reach.left() + reach.right()));
}

} // namespace LobbyWidgets
