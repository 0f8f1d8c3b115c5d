#include "dialogs/form3.h"
#include "dialogs/growwin.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

using namespace kalvor;

TEST(Growwin, RectanglesGrowAboutTheCentreRoundingHalvesToEven) {
    const auto steps = growwinSteps(100, 200, 500, 350);
    const std::pair<int, OutlineStep> expected[] = {{1, {299, 274, 301, 276}},
                                                    {2, {298, 274, 302, 276}},
                                                    {100, {200, 238, 400, 312}},
                                                    {199, {101, 200, 499, 350}},
                                                    {200, {100, 200, 500, 350}}};
    for (const auto& [step, rect] : expected)
        EXPECT_EQ(steps[step - 1], rect) << "step " << step;
    EXPECT_EQ(growwinSteps(-50, 7, 333, 91)[199], (OutlineStep{-50, 7, 333, 91}));
}

TEST(Form3, TheSplashIsCentredOnTopWithoutItsOkButton) {
    Form3* splash = Form3::presentSplash();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(splash->findChild<QPushButton*>(QStringLiteral("ok"))->isVisible());
    const QPoint offCentre = splash->geometry().center() - QApplication::primaryScreen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1);
    EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Kalvor"));
    EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Version: 1.0"));
    EXPECT_EQ(splash->size(), QSize(345, 134));
    splash->close();
}
