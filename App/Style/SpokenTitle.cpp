#include "Style/SpokenTitle.h"

namespace SpokenTitle {

namespace {
bool pointsTheWay(QChar c) {
    const char16_t code = c.unicode();
    switch (code) {
    case 0x00AB: // «
    case 0x00BB: // »
    case 0x2039: // ‹
    case 0x203A: // ›
    case 0x25B6: // ▶
    case 0x25B8: // ▸
    case 0x25BA: // ►
    case 0x25C0: // ◀
    case 0x25C2: // ◂
    case 0x25C4: // ◄
    case 0x276E: // ❮
    case 0x276F: // ❯
        return true;
    default:
        break;
    }
    // The arrows, the dingbat arrows and the supplemental arrows.
    return (code >= 0x2190 && code <= 0x21FF) || (code >= 0x2794 && code <= 0x27BF) ||
           (code >= 0x27F0 && code <= 0x27FF) || (code >= 0x2900 && code <= 0x297F);
}
} // namespace

QString of(const QString& drawn) {
    QString spoken;
    spoken.reserve(drawn.size());
    bool dropped = false;
    for (const QChar c : drawn) {
        if (pointsTheWay(c)) {
            dropped = true;
        } else {
            spoken.append(c);
        }
    }
    return dropped ? spoken.simplified() : drawn;
}

} // namespace SpokenTitle
