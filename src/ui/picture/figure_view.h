#pragma once

#include <QImage>
#include <QWidget>

#include "core/figures/figure.h"

class QPainter;

// Draws any solver figure, to scale, in the palette's colours; vector drawing,
// so it is sharp at every scale factor. Its accessible description says in
// words what the picture shows.
class FigureView : public QWidget {
    Q_OBJECT

public:
    explicit FigureView(QWidget* parent = nullptr);

    void setFigure(figure::Figure figure);
    const figure::Figure& figure() const { return figure_; }

    // The picture at the view's size, rendered for this many device pixels per pixel.
    QImage image(qreal devicePixelRatio) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paint(QPainter& painter, QSizeF size) const;

    figure::Figure figure_;
};
