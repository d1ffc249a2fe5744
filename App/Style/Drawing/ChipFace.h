#pragma once

#include "Style/Drawing/FramedOrnament.h"

#include "Style/ChipDenomination.h"

// One casino chip seen from above, in the satin chip colours whatever the table style. Decorative:
// screen readers read the control around it.
class ChipFace : public FramedOrnament {
    Q_OBJECT
  public:
    ChipFace(ChipDenomination denomination, double diameter, QWidget* parent = nullptr);

    void setDenomination(ChipDenomination denomination);
    static void paint(QPainter& painter, QPointF topLeft, ChipDenomination denomination, double diameter);
    // How far the chip's drawing reaches beyond its diameter-square frame: the edge and the shadow.
    static QMarginsF overhang(double diameter);

  protected:
    QSizeF frameSize() const override { return {diameter_, diameter_}; }
    QMarginsF overhang() const override { return overhang(diameter_); }
    void paintFrame(QPainter& painter, QPointF topLeft) const override;

  private:
    ChipDenomination denomination_;
    double diameter_;
};
