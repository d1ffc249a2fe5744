#include "Style/LineBreaks.h"

#include <QRegularExpression>

namespace LineBreaks {

QString keepRangesWhole(const QString& text) {
    static const QRegularExpression withUnit(QStringLiteral("(\\d+)–(\\d+) (\\S+)"));
    static const QRegularExpression bare(QStringLiteral("(\\d)–(\\d)"));
    const QString joiner(QChar(0x2060));
    const QString noBreakSpace(QChar(0x00A0));
    QString shown = text;
    shown.replace(withUnit, QStringLiteral("\\1") + joiner + QStringLiteral("–") + joiner +
                                QStringLiteral("\\2") + noBreakSpace + QStringLiteral("\\3"));
    shown.replace(bare,
                  QStringLiteral("\\1") + joiner + QStringLiteral("–") + joiner + QStringLiteral("\\2"));
    return shown;
}

} // namespace LineBreaks
