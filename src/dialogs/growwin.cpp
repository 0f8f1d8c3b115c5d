#include "growwin.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdint>

namespace kalvor {

namespace {

// std::nearbyint rounds halves to even in the default rounding mode.
int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// A borderless window over the animation's place that paints the current step.
class OutlineOverlay : public QWidget {
public:
    OutlineOverlay(const QRect& outer, const QColor& fill)
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus),
          fill_(fill) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(outer);
        if (QScreen* screen = QGuiApplication::screenAt(outer.center()))
            background_ = screen->grabWindow(0, outer.x() - screen->geometry().x(), outer.y() - screen->geometry().y(),
                                             outer.width(), outer.height());
    }

    void drawStep(const OutlineStep& step) {
        step_ = step;
        repaint();
    }

    // Goes when the window it announces is shown, or after a moment in any case.
    void closeWhenShown(QWidget* window) {
        setAttribute(Qt::WA_DeleteOnClose);
        window->installEventFilter(this);
        QTimer::singleShot(2000, this, &QWidget::close);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, this, &QWidget::close);
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (!background_.isNull())
            p.drawPixmap(0, 0, background_);
        else
            p.fillRect(rect(), palette().window());
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(fill_);
        const QPoint origin = geometry().topLeft();
        // Edges as drawn: the right and bottom edges lie one pixel inside the given coordinates.
        p.drawRect(step_.left - origin.x(), step_.top - origin.y(), step_.right - step_.left - 1,
                   step_.bottom - step_.top - 1);
    }

private:
    QColor fill_;
    QPixmap background_;
    OutlineStep step_{};
};

} // namespace

std::array<OutlineStep, kGrowSteps> growwinSteps(int left, int top, int right, int bottom) {
    const std::int32_t width = right - left;
    const auto height = static_cast<std::int16_t>(bottom - top);
    std::array<OutlineStep, kGrowSteps> steps{};
    for (int i = 1; i <= kGrowSteps; ++i) {
        const double share = static_cast<double>(i) / kGrowSteps;
        const double w = width * share;
        const auto h = static_cast<std::int16_t>(roundHalfEven(height * share));
        const double x = left + (width - w) / 2;
        const double y = top + (height - h) / 2.0;
        steps[static_cast<std::size_t>(i - 1)] =
            OutlineStep{roundHalfEven(x), roundHalfEven(y), roundHalfEven(x + w), roundHalfEven(y + h)};
    }
    return steps;
}

std::array<OutlineStep, kGrowSteps> growwin(QWidget* window, const QColor& fill) {
    const QRect outer = window->frameGeometry();
    const auto steps =
        growwinSteps(outer.left(), outer.top(), outer.left() + outer.width(), outer.top() + outer.height());
    auto* overlay = new OutlineOverlay(outer, fill);
    overlay->show();
    for (const OutlineStep& step : steps)
        overlay->drawStep(step);
    overlay->closeWhenShown(window);
    return steps;
}

} // namespace kalvor
