// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/picture/figure_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "core/figures/scene.h"
#include "ui/access/accessible_adoption.h"

namespace {

// A picture to assistive tools: its name, and what it shows in its description.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget* view) : QAccessibleWidget(view, QAccessible::Graphic) {}
};

QAccessibleInterface* pictureFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<FigureView*>(object)) {
        return new PictureAccessible(view);
    }
    return nullptr;
}

QPointF toQt(figure::Point p) {
    return {p.x, p.y};
}

QPolygonF polygonOf(const std::vector<figure::Point>& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const figure::Point& p : points) {
        polygon << toQt(p);
    }
    return polygon;
}

double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A palette's accent colour may be meant for another background (a dark
// theme that keeps the light link colour): moved toward the text colour
// until it stands out on the picture's background.
QColor readable(QColor colour, const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    for (int step = 0; step < 4 && contrast(colour, base) < 3; ++step) {
        colour = QColor::fromRgbF((colour.redF() + text.redF()) / 2, (colour.greenF() + text.greenF()) / 2,
                                  (colour.blueF() + text.blueF()) / 2);
    }
    return colour;
}

// The palette's roles for the figure's: the object in the text colour, what
// the solver found in the highlight, dimensions in the link colour. Dark
// themes bring their own.
QColor colourOf(const QPalette& palette, figure::Role role) {
    switch (role) {
        case figure::Role::Axis:
        case figure::Role::Guide:
            return palette.color(QPalette::PlaceholderText);
        case figure::Role::Result:
            return readable(palette.color(QPalette::Highlight), palette);
        case figure::Role::Dimension:
            return readable(palette.color(QPalette::Link), palette);
        case figure::Role::Shape:
            break;
    }
    return palette.color(QPalette::Text);
}

}  // namespace

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picture"));
    setAccessibleName(tr("Picture"));
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumSize(160, 120);
    adoptAccessible<PictureAccessible>(this, pictureFactory);
}

void FigureView::setFigure(figure::Figure figure) {
    figure_ = std::move(figure);
    // Qt tells a listening screen reader of the new description.
    setAccessibleDescription(QString::fromStdString(figure_.description));
    update();
}

QSize FigureView::sizeHint() const {
    const int line = fontMetrics().height();
    return {line * 40, line * 30};
}

QImage FigureView::image(qreal devicePixelRatio) const {
    QImage image((QSizeF(size()) * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(palette().color(QPalette::Base));
    QPainter painter(&image);
    paint(painter, QSizeF(size()));
    return image;
}

void FigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QSizeF(size()));
}

void FigureView::paint(QPainter& painter, QSizeF size) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    const figure::Scene scene =
        figure::layOut(figure_, size.width(), size.height(), QFontInfo(font()).pixelSize());
    const QPalette& colours = palette();
    for (const figure::Stroke& stroke : scene.strokes) {
        QPen pen(colourOf(colours, stroke.role), stroke.role == figure::Role::Shape ? 1.6 : 1.0);
        pen.setCosmetic(false);
        pen.setJoinStyle(Qt::RoundJoin);
        if (stroke.dashed) {
            pen.setStyle(Qt::DashLine);
        }
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QPolygonF polygon = polygonOf(stroke.points);
        if (stroke.closed) {
            painter.drawPolygon(polygon);
        } else {
            painter.drawPolyline(polygon);
        }
    }
    painter.setPen(Qt::NoPen);
    for (const figure::Fill& fill : scene.fills) {
        painter.setBrush(colourOf(colours, fill.role));
        painter.drawPolygon(polygonOf(fill.polygon));
    }
    for (const figure::Dot& dot : scene.dots) {
        painter.setBrush(colourOf(colours, dot.role));
        painter.drawEllipse(toQt(dot.centre), dot.radius, dot.radius);
    }
    for (const figure::Text& text : scene.texts) {
        const QString words = QString::fromStdString(text.text);
        const qreal width = metrics.horizontalAdvance(words);
        QPointF at = toQt(text.at);
        if (text.anchor == figure::Anchor::Middle) {
            at.rx() -= width / 2;
        } else if (text.anchor == figure::Anchor::End) {
            at.rx() -= width;
        }
        painter.setPen(text.role == figure::Role::Axis || text.role == figure::Role::Guide
                           ? colours.color(QPalette::Text)
                           : colourOf(colours, text.role));
        painter.drawText(at, words);
    }
}
