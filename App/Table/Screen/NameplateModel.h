#pragma once

#include "Style/TableTheme.h"
#include "Table/SeatModel.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

// What one seat's nameplate shows, decided from the seat and the theme; the plate widget only paints it.
struct NameplateModel {
    enum class TagKind { allIn, turn, blind };
    // A small tag hung off the plate's edge: its offset from the plate's top-left corner, and, when
    // framed, the width it is trailing-aligned in.
    struct Tag {
        TagKind kind = TagKind::allIn;
        QString text;
        QString tooltip;
        QPointF offset;
        std::optional<double> frameWidth;
        bool operator==(const Tag&) const = default;
    };

    QSizeF plate;
    double avatar = 0;
    // How far the avatar overhangs the plate's height on each side.
    double ringOverhang = 0;
    double tagHeight = 0;
    bool empty = false;
    bool ringOn = false;
    QString name;
    QString stack;
    // Shown instead of `stack` when that does not fit (a folded seat in the window).
    std::optional<QString> stackFallback;
    bool stackRolls = false;
    // Satin and paper dim a folded, sitting-out or busted seat's content; pixel greys its name instead.
    double contentOpacity = 1;
    bool nameGreyed = false;
    std::vector<Tag> tags;
    QString tooltip;

    bool operator==(const NameplateModel&) const = default;

    // `showsTurn`: the plate may show that its seat is to act (not on a paused table, but always on the
    // player's own). `cashTable` only changes an empty seat's tooltip.
    static NameplateModel make(const SeatModel& seat, bool showsTurn, bool cashTable,
                               const TableTheme& theme);

    // The plate and avatar sizes of a style and surface.
    static QSizeF plateSize(const TableTheme& theme);
    static double avatarSize(const TableTheme& theme);
    // The height of the tags hung off a plate.
    static double tagHeightIn(const TableTheme& theme);
    // The stack line as text: compact in the popover, in full in the window.
    static QString stackText(const SeatModel::StackLine& line, const TableTheme& theme);
    // The name as drawn: pixel names are upper-cased and cut to the plate with a full stop.
    static QString displayName(const QString& name, const TableTheme& theme);
    // The "Your turn" tag of the player's plate in a theme; it fades in and out, so it is drawn from
    // here while it leaves too.
    static Tag turnTag(const TableTheme& theme);
    bool hasTurnTag() const;
    // Where a tag `size` big hangs on a plate whose top-left corner is `plateCorner`: a framed tag
    // stands at its frame's trailing end.
    static QRectF tagArea(const Tag& tag, QPointF plateCorner, QSizeF size);
};
