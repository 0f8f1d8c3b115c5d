#include "appicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace kalvor::platform {

namespace {

QPixmap clockFace(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    p.scale(size / 32.0, size / 32.0); // drawn on a 32 x 32 grid around the centre

    p.setPen(QPen(Qt::black, 2.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 14.5, 14.5);

    p.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int hour = 0; hour < 12; ++hour) {
        const double a = hour * M_PI / 6;
        const double inner = hour % 3 == 0 ? 9.5 : 11.0;
        p.drawLine(QPointF(inner * std::sin(a), -inner * std::cos(a)),
                   QPointF(12.5 * std::sin(a), -12.5 * std::cos(a)));
    }
    const auto hand = [&](double turns, double length, const QPen& pen) {
        const double a = turns * 2 * M_PI;
        p.setPen(pen);
        p.drawLine(QPointF(0, 0), QPointF(length * std::sin(a), -length * std::cos(a)));
    };
    hand((10 + 10 / 60.0) / 12, 7.0, QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
    hand(10 / 60.0, 10.5, QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
    hand(35 / 60.0, 11.5, QPen(Qt::red, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    p.drawEllipse(QPointF(0, 0), 1.4, 1.4);
    return pixmap;
}

QPixmap drawnCommand(const QString& name, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0); // drawn on a 16 x 16 grid
    const auto pen = [&](const QColor& c, double width) { p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap)); };
    if (name == QLatin1String("list-add")) {
        pen(QColor(0, 128, 0), 3);
        p.drawLine(QPointF(8, 3), QPointF(8, 13));
        p.drawLine(QPointF(3, 8), QPointF(13, 8));
    } else if (name == QLatin1String("document-edit")) {
        pen(QColor(160, 100, 0), 3);
        p.drawLine(QPointF(4, 12), QPointF(12, 4));
        pen(Qt::black, 1);
        p.drawLine(QPointF(2.5, 13.5), QPointF(4, 12));
    } else if (name == QLatin1String("list-remove")) {
        pen(QColor(200, 0, 0), 3);
        p.drawLine(QPointF(3, 8), QPointF(13, 8));
    } else if (name == QLatin1String("help-about")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 255));
        p.drawEllipse(QPointF(8, 8), 7, 7);
        pen(Qt::white, 2);
        p.drawLine(QPointF(8, 7), QPointF(8, 12));
        p.drawPoint(QPointF(8, 4.5));
    } else if (name == QLatin1String("window-minimize")) {
        pen(Qt::black, 2.5);
        p.drawLine(QPointF(3, 12), QPointF(13, 12));
    } else {
        pen(QColor(200, 0, 0), 2.5);
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    }
    return pixmap;
}

} // namespace

QIcon programIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (const int size : {16, 22, 32, 48, 64, 128, 256})
            i.addPixmap(clockFace(size));
        return i;
    }();
    return icon;
}

QIcon commandIcon(const QString& themeName) {
    QIcon fallback;
    for (const int size : {16, 22, 32})
        fallback.addPixmap(drawnCommand(themeName, size));
    return QIcon::fromTheme(themeName, fallback);
}

} // namespace kalvor::platform
