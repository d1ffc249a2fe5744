#pragma once

#include "Style/Drawing/FramedOrnament.h"
#include <QImage>

#include "Style/AvatarModel.h"
#include "Style/TableTheme.h"

// A player as a round disc: the backdrop with a portrait or initial, or the player's own symbol.
// Greyed when busted; in pixel, dithered when folded. Hidden from screen readers: the seat speaks.
class AvatarDisc : public FramedOrnament {
    Q_OBJECT
  public:
    AvatarDisc(const TableTheme& theme, const AvatarModel& avatar, double diameter, bool folded = false,
               bool busted = false, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setState(bool folded, bool busted);

    static void paint(QPainter& painter, QPointF topLeft, const TableTheme& theme, const AvatarModel& avatar,
                      double diameter, bool folded, bool busted);
    // How far the disc's drawing reaches beyond its diameter-square frame (its shadow).
    static QMarginsF overhang(const TableTheme& theme, double diameter);
    // The portrait of a character in a style, looked up once per process (misses remembered too).
    static const QImage* portrait(TableStyleID style, const std::string& slug);
    // How many times a portrait has been looked for in the resources since the process started.
    static std::size_t portraitLoads();
    // Drops every remembered lookup, so a test that counts lookups starts from nothing whatever ran
    // before it.
    static void forgetPortraits();

  protected:
    QSizeF frameSize() const override { return {diameter_, diameter_}; }
    QMarginsF overhang() const override { return overhang(theme_, diameter_); }
    void paintFrame(QPainter& painter, QPointF topLeft) const override;

  private:
    TableTheme theme_;
    AvatarModel avatar_;
    double diameter_;
    bool folded_;
    bool busted_;
};
