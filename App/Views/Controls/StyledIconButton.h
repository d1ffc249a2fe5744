#pragma once

#include <functional>

#include <QAbstractButton>

#include "Style/Drawing/CardstockShape.h"
#include "Style/PixelFont.h"
#include "Style/TableTheme.h"
#include "Views/Controls/PressMotion.h"

// The icon-only button: small glass in satin, a card-stock disc in paper, a bevelled tile in pixel.
// Its help text is both its tooltip and its spoken name.
class StyledIconButton : public QAbstractButton {
    Q_OBJECT
  public:
    // Colours the paper disc only.
    enum class Tint { neutral, teal, tomato };

    StyledIconButton(const TableTheme& theme, const QString& systemImage, const PixelGlyph& pixelIcon,
                     Tint tint, const QString& help, std::function<void()> action = {},
                     QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setSystemImage(const QString& name, const PixelGlyph& pixelIcon);
    void setHelp(const QString& help);
    const TableTheme& theme() const { return theme_; }
    Tint tint() const { return tint_; }

    // The disc, tile or glass the button draws, centred in the room kept for its focus ring and shadow.
    QRectF faceRect() const;
    QMargins room() const;
    QSize faceSize() const;
    QSize sizeHint() const override;
    // The clock the paper press eases on.
    AnimationClock& pressClock() { return press_.clock(); }

    struct PaperTint {
        RGB face;
        RGB side;
        RGB icon;
    };
    static PaperTint paperTint(Tint tint, bool dark);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Only the paper disc or the pixel tile takes a click, not the room around it.
    bool hitButton(const QPoint& position) const override;

  private:
    void paintSatin(QPainter& painter, const QRectF& face) const;
    void paintPaper(QPainter& painter, const QRectF& face);
    void paintPixel(QPainter& painter, const QRectF& face) const;
    CardstockShape paperStock(double press) const;

    TableTheme theme_;
    QString systemImage_;
    PixelGlyph pixelIcon_;
    Tint tint_;
    PressMotion press_;
};
