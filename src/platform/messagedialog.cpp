#include "messagedialog.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

namespace kalvor::platform {

namespace {

bool testMode = false;
std::deque<MessageAnswer> nextAnswers;
QList<MessageDialog::Shown> shownBoxes;

struct ButtonChoice {
    QMessageBox::StandardButton button;
    MessageAnswer answer;
};

std::vector<ButtonChoice> buttonsOf(int style) {
    using B = QMessageBox;
    switch (style & 0xF) {
    case MessageStyle::OkCancel:
        return {{B::Ok, MessageAnswer::Ok}, {B::Cancel, MessageAnswer::Cancel}};
    case MessageStyle::AbortRetryIgnore:
        return {{B::Abort, MessageAnswer::Abort}, {B::Retry, MessageAnswer::Retry}, {B::Ignore, MessageAnswer::Ignore}};
    case MessageStyle::YesNoCancel:
        return {{B::Yes, MessageAnswer::Yes}, {B::No, MessageAnswer::No}, {B::Cancel, MessageAnswer::Cancel}};
    case MessageStyle::YesNo:
        return {{B::Yes, MessageAnswer::Yes}, {B::No, MessageAnswer::No}};
    case MessageStyle::RetryCancel:
        return {{B::Retry, MessageAnswer::Retry}, {B::Cancel, MessageAnswer::Cancel}};
    default:
        return {{B::Ok, MessageAnswer::Ok}};
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case MessageStyle::Critical:
        return QMessageBox::Critical;
    case MessageStyle::Question:
        return QMessageBox::Question;
    case MessageStyle::Exclamation:
        return QMessageBox::Warning;
    case MessageStyle::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

std::size_t defaultIndex(int style, std::size_t buttons) {
    const auto index = static_cast<std::size_t>((style >> 8) & 3);
    return index < buttons ? index : 0;
}

} // namespace

MessageAnswer MessageDialog::show(QWidget* parent, const QString& text, const QString& title, int style) {
    const std::vector<ButtonChoice> buttons = buttonsOf(style);
    if (testMode) {
        shownBoxes.append({text, title, style});
        if (!nextAnswers.empty()) {
            const MessageAnswer answer = nextAnswers.front();
            nextAnswers.pop_front();
            return answer;
        }
        return buttons[defaultIndex(style, buttons.size())].answer;
    }

    const bool systemModal = (style & MessageStyle::SystemModal) != 0;
    QMessageBox box(iconOf(style), title, text, QMessageBox::NoButton, systemModal ? nullptr : parent);
    if (systemModal) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.setWindowModality(Qt::ApplicationModal);
    }
    std::vector<QAbstractButton*> made;
    for (const ButtonChoice& choice : buttons)
        made.push_back(box.addButton(choice.button));
    box.setDefaultButton(static_cast<QPushButton*>(made[defaultIndex(style, made.size())]));
    box.exec();
    for (std::size_t i = 0; i < made.size(); ++i)
        if (box.clickedButton() == made[i])
            return buttons[i].answer;
    // Closed without a button (Escape or the window's close box): the box's escape answer.
    const bool hasCancel = std::any_of(buttons.begin(), buttons.end(),
                                       [](const ButtonChoice& b) { return b.answer == MessageAnswer::Cancel; });
    return hasCancel ? MessageAnswer::Cancel : buttons.back().answer;
}

void MessageDialog::setTestMode(bool enabled) {
    testMode = enabled;
    nextAnswers.clear();
    shownBoxes.clear();
}

void MessageDialog::setNextAnswer(MessageAnswer answer) {
    nextAnswers.push_back(answer);
}

QList<MessageDialog::Shown> MessageDialog::takeShown() {
    return std::exchange(shownBoxes, {});
}

MessageAnswer QtMessageBoxes::show(const std::string& text, const std::string& title, int style) {
    // Event texts keep the event file's CR LF line breaks.
    QString lines = QString::fromStdString(text);
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return MessageDialog::show(parent_, lines, QString::fromStdString(title), style);
}

} // namespace kalvor::platform
