#include "form3.h"

#include "growwin.h"
#include "platform/appicons.h"
#include "platform/twips.h"
#include "platform/widgetplacement.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace kalvor {

namespace {

using platform::toPixels;
using platform::twipsRect;

QLabel* yellowLabel(QWidget* parent, const char* name, const QString& text, const QRect& place, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
    label->setPalette(palette);
    return label;
}

} // namespace

Form3::Form3(QWidget* parent) : NoCancelDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(toPixels(5175), toPixels(2010));
    move(toPixels(5835), toPixels(4545));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBlue);
    setPalette(palette);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(twipsRect(210, 210, 480, 480));
    image->setPixmap(platform::programIcon().pixmap(32, 32));

    QFont title(QStringLiteral("Sans Serif"));
    title.setPointSizeF(18);
    title.setItalic(true);
    auto* name = yellowLabel(this, "Label1", QStringLiteral("Kalvor"), twipsRect(1320, 105, 3045, 435), title);
    name->setAlignment(Qt::AlignCenter);

    QFont version(QStringLiteral("Sans Serif"));
    version.setPointSizeF(9.75);
    version.setBold(true);
    QLabel* versionLabel =
        yellowLabel(this, "Label2", QStringLiteral("Version: 1.0"), twipsRect(3780, 1575, 1275, 330), version);
    // Fonts vary between desktops: keep the whole text inside the box's frame.
    const int needed = versionLabel->sizeHint().width();
    if (needed > versionLabel->width()) {
        const int left = std::min(versionLabel->x(), width() - toPixels(120) - needed);
        versionLabel->setGeometry(left, versionLabel->y(), needed, versionLabel->height());
    }

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setGeometry(twipsRect(2640, 1440, 735, 375));
    ok_->setAutoDefault(false);
    ok_->setDefault(false);
    ok_->hide();
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

Form3* Form3::presentSplash() {
    auto* box = new Form3;
    box->setWindowFlags(box->windowFlags() | Qt::WindowStaysOnTopHint);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        box->move(area.x() + area.width() / 2 - box->width() / 2, area.y() + area.height() / 2 - box->height() / 2);
    }
    growwin(box, kBlue);
    box->show();
    box->repaint();
    return box;
}

void Form3::presentAbout(QWidget* parent) {
    auto* box = new Form3(parent);
    box->ok_->show();
    box->ok_->setFocus();
    growwin(box, kBlue);
    box->exec();
}

void Form3::paintEvent(QPaintEvent* event) {
    NoCancelDialog::paintEvent(event);
    QPainter p(this);
    const int right = toPixels(5145);
    const int bottom = toPixels(1995);
    p.setPen(QPen(QColor(128, 128, 128), 2));
    p.drawLine(toPixels(105), 0, toPixels(5250), 0);
    p.drawLine(right, 0, right, bottom);
    p.drawLine(0, bottom, right, bottom);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.drawLine(0, bottom, 0, 0);
}

} // namespace kalvor
