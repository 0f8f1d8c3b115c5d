#include "form2.h"

#include "contexthelp.h"
#include "editorhost.h"

#include "dialogs/form4.h"
#include "engine/clock.h"
#include "engine/displaytext.h"
#include "engine/eventfile.h"
#include "engine/fileerror.h"
#include "engine/mailsystem.h"
#include "engine/messageboxes.h"
#include "engine/numbertext.h"
#include "engine/recipients.h"
#include "engine/recurrence.h"
#include "platform/appicons.h"
#include "platform/messagedialog.h"
#include "platform/qtlocaletext.h"
#include "platform/textcodec.h"
#include "platform/twips.h"
#include "platform/widgetplacement.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWhatsThis>

#include <algorithm>
#include <cmath>

namespace kalvor {

namespace {

using platform::place;
using platform::toPixels;
using platform::toTwips;

constexpr int kErrorStyle = MessageStyle::OkOnly | MessageStyle::Exclamation; // 48
const char* const kUnits[] = {"Once", "Minute(s)", "Hour(s)", "Day(s)", "Week(s)", "Month(s)", "Year(s)"};
const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr int kDayLeft[] = {105, 840, 1575, 2310, 3045, 3780, 4515};
const char* const kStyles[] = {"Normal", "Minimized", "Maximized"};

// Fonts differ between desktops: a caption is never cut, its control grows to the right instead.
template <typename W> W* fitText(W* widget) {
    if (widget->sizeHint().width() > widget->width())
        widget->resize(widget->sizeHint().width(), widget->height());
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const char* text, int left, int top, int width, int height) {
    return fitText(place(new QLabel(QLatin1String(text), parent), name, left, top, width, height));
}

// Multi-line texts keep the record's CR LF line breaks.
std::string toRecordText(const QString& text, bool* lossless) {
    QString withCrLf = text;
    withCrLf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return platform::toCp1252(withCrLf, lossless);
}

QString fromRecordText(std::span<const char> field) {
    QString text = platform::fromCp1252(trimmedText(field));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace

Form2::Form2(EditorHost& host, QWidget* parent) : NoCancelDialog(parent), host_(host) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Add Message"));
    setWindowIcon(platform::programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowContextHelpButtonHint);
    setFixedSize(toPixels(7380), toPixels(4980));
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    build();
}

void Form2::build() {
    mytab_ = place(new QTabWidget(this), "mytab", 0, 0, 7365, 4530);
    for (const char* caption : {"Mail Message", "Display Message", "Run Program"})
        mytab_->addTab(new QWidget, QLatin1String(caption));
    connect(mytab_, &QTabWidget::currentChanged, this, &Form2::showPage);

    myclick_ = new QMenu(this);
    myclick_->setObjectName(QStringLiteral("myclick"));
    QAction* what = myclick_->addAction(QStringLiteral("What's This?"), this, [this] {
        if (thiscontrol)
            QWhatsThis::showText(thiscontrol->mapToGlobal(thiscontrol->rect().center()), thiscontrol->whatsThis(),
                                 thiscontrol);
    });
    what->setObjectName(QStringLiteral("what"));
    QAction* whatsThisMode = QWhatsThis::createAction(this);
    whatsThisMode->setShortcut(Qt::SHIFT | Qt::Key_F1);
    addAction(whatsThisMode);
    setWhatsThis(helpText(10));

    // The page controls lie over the tab control at the dialog's own coordinates and show with
    // their page; the shared fields lie over them all.
    buildMailPage();
    buildDisplayPage();
    buildRunPage();
    buildSharedFields();

    auto* ok = place(new QPushButton(QStringLiteral("OK"), this), "Command2", 4830, 4620, 1065, 330);
    auto* cancel = place(new QPushButton(QStringLiteral("Cancel"), this), "Command3", 6195, 4620, 1065, 330);
    for (QPushButton* button : {ok, cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(ok, &QPushButton::clicked, this, &Form2::save);
    connect(cancel, &QPushButton::clicked, this, &Form2::cancel);

    QWidget* order[] = {mydesc_,
                        cmd_,
                        findChild<QPushButton*>(QStringLiteral("Command4")),
                        start_,
                        findChild<QPushButton*>(QStringLiteral("Command5")),
                        styl_,
                        txt_[0],
                        Command1_,
                        txt_[1],
                        who_,
                        List1_,
                        tme_,
                        dte_,
                        occ_,
                        rep_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    setTabOrder(rep_, cday_[0]);
    for (std::size_t i = 1; i < cday_.size(); ++i)
        setTabOrder(cday_[i - 1], cday_[i]);
    setTabOrder(cday_[6], ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, mytab_);
    setTabOrder(mytab_, miss_);
}

void Form2::buildSharedFields() {
    mydesc_ = place(new QLineEdit(this), "mydesc", 105, 630, 4845, 285);
    mydesc_->setMaxLength(static_cast<int>(eventrec::kDescSize));
    setHelp(mydesc_, 70, false);

    occ_ = place(new QLineEdit(this), "occ", 3990, 2730, 435, 330);
    rep_ = place(new QComboBox(this), "rep", 4515, 2730, 1065, 315);
    for (const char* unit : kUnits)
        rep_->addItem(QLatin1String(unit));
    fitText(rep_);
    rep_->installEventFilter(this);
    connect(rep_, &QComboBox::currentIndexChanged, this, &Form2::applyRepeatUnitRule);
    setHelp(occ_, 100, false);
    setHelp(rep_, 100, false);

    Frame1_ = place(new QGroupBox(QStringLiteral("Next Occurence"), this), "Frame1", 2100, 2415, 1695, 1065);
    setHelp(Frame1_, 90, true);
    QLabel* timeLabel = label(Frame1_, "Label3", "Time:", 105, 210, 435, 225);
    tme_ = place(new QLineEdit(Frame1_), "tme", 525, 210, 960, 285);
    QLabel* dateLabel = label(Frame1_, "Label5", "Date:", 105, 630, 435, 225);
    dte_ = place(new QLineEdit(Frame1_), "dte", 525, 630, 960, 285);
    // Where the font makes a caption wider than its place, its box moves right rather than cover it.
    const int boxLeft = std::max({tme_->x(), timeLabel->geometry().right() + 2, dateLabel->geometry().right() + 2});
    tme_->move(boxLeft, tme_->y());
    dte_->move(boxLeft, dte_->y());
    for (QWidget* w : {static_cast<QWidget*>(timeLabel), static_cast<QWidget*>(dateLabel)})
        setHelp(w, 90, true);
    setHelp(tme_, 90, false);
    setHelp(dte_, 90, false);

    Frame2_ = place(new QGroupBox(QStringLiteral("Do not run on these days:"), this), "Frame2", 2100, 3675, 5160, 645);
    setHelp(Frame2_, 120, true);
    for (int i = 0; i < 7; ++i) {
        const QByteArray name = "cday(" + QByteArray::number(i) + ")";
        cday_[static_cast<std::size_t>(i)] =
            fitText(place(new QCheckBox(QLatin1String(kDays[i]), Frame2_), name.constData(), kDayLeft[i], 315,
                          i == 6 ? 540 : 645, 225));
        setHelp(cday_[static_cast<std::size_t>(i)], 120, true);
    }

    miss_ = fitText(place(new QCheckBox(QStringLiteral("Run If Missed"), this), "miss", 4080, 3240, 1335, 255));
    setHelp(miss_, 110, true);
}

void Form2::buildMailPage() {
    QList<QWidget*>& page = pageControls_[0];
    page << label(this, "Label1(0)", "Description:", 105, 420, 960, 225)
         << label(this, "Label2(0)", "Message Text:", 105, 1050, 1380, 225);
    txt_[0] = place(new QPlainTextEdit(this), "txt(0)", 105, 1260, 7155, 1065);
    Command1_ = place(new QPushButton(QStringLiteral("To:"), this), "Command1", 105, 2415, 435, 330);
    Command1_->setAutoDefault(false);
    connect(Command1_, &QPushButton::clicked, this, &Form2::addressBook);
    who_ = place(new QLineEdit(this), "who", 630, 2415, 1380, 330);
    who_->installEventFilter(this);
    List1_ = place(new QListWidget(this), "List1", 105, 2835, 1905, 1620);
    List1_->installEventFilter(this);
    connect(List1_, &QListWidget::itemDoubleClicked, this, [this] {
        if (QListWidgetItem* item = List1_->currentItem(); item && item->isSelected())
            delete item;
    });
    page << txt_[0] << Command1_ << who_ << List1_ << label(this, "Label4(0)", "Repeat Every:", 3990, 2520, 1065, 225);
    setHelp(page[0], 70, true);
    setHelp(page[1], 80, true);
    setHelp(txt_[0], 80, false);
    setHelp(Command1_, 140, true);
    setHelp(who_, 140, false);
    setHelp(List1_, 160, true);
    setHelp(page.last(), 100, true);
}

void Form2::buildDisplayPage() {
    QList<QWidget*>& page = pageControls_[1];
    page << label(this, "Label1(1)", "Description:", 105, 420, 960, 225)
         << label(this, "Label2(1)", "Message Text:", 105, 1050, 1380, 225);
    txt_[1] = place(new QPlainTextEdit(this), "txt(1)", 105, 1260, 7155, 1065);
    page << txt_[1] << label(this, "Label4(1)", "Repeat Every:", 3990, 2520, 1065, 225);
    setHelp(page[0], 70, true);
    setHelp(page[1], 80, true);
    setHelp(txt_[1], 80, false);
    setHelp(page.last(), 100, true);
}

void Form2::buildRunPage() {
    QList<QWidget*>& page = pageControls_[2];
    QLabel* description = label(this, "Label1(2)", "Description:", 105, 420, 960, 225);
    QLabel* label9 = label(this, "Label9", "Command line to run:", 105, 1050, 1590, 225);
    cmd_ = place(new QLineEdit(this), "cmd", 105, 1260, 4845, 285);
    auto* browseProgram = place(new QPushButton(QStringLiteral("Browse"), this), "Command4", 5040, 1260, 750, 330);
    QLabel* label10 = label(this, "Label10", "Starting directory:", 105, 1680, 1275, 225);
    start_ = place(new QLineEdit(this), "start", 105, 1890, 4845, 285);
    auto* browseDirectory = place(new QPushButton(QStringLiteral("Browse"), this), "Command5", 5040, 1890, 750, 330);
    QLabel* label11 = label(this, "Label11", "Run style:", 105, 2310, 855, 225);
    styl_ = place(new QComboBox(this), "styl", 105, 2520, 1380, 315);
    styl_->setEditable(true);
    styl_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* style : kStyles)
        styl_->addItem(QLatin1String(style));
    QLabel* repeat = label(this, "Label4(2)", "Repeat Every:", 3990, 2520, 1065, 225);
    for (QPushButton* button : {browseProgram, browseDirectory})
        button->setAutoDefault(false);
    connect(browseProgram, &QPushButton::clicked, this, [this] { browse(true); });
    connect(browseDirectory, &QPushButton::clicked, this, [this] { browse(false); });
    page << description << label9 << cmd_ << browseProgram << label10 << start_ << browseDirectory << label11 << styl_
         << repeat;
    setHelp(description, 70, true);
    setHelp(label9, 170, true);
    setHelp(cmd_, 170, false);
    setHelp(label10, 180, true);
    setHelp(start_, 180, false);
    setHelp(label11, 190, true);
    setHelp(styl_, 190, false);
    setHelp(repeat, 100, true);
}

void Form2::setHelp(QWidget* widget, int topic, bool rightClickMenu) {
    widget->setWhatsThis(helpText(topic));
    widget->setProperty("helpTopic", topic);
    if (rightClickMenu) {
        widget->setProperty("rightClickHelp", true);
        widget->installEventFilter(this);
        if (auto* list = qobject_cast<QListWidget*>(widget))
            list->viewport()->installEventFilter(this);
    }
}

void Form2::showPage(int page) {
    for (std::size_t p = 0; p < pageControls_.size(); ++p)
        for (QWidget* w : pageControls_[p])
            w->setVisible(static_cast<int>(p) == page);
}

void Form2::reset(bool adding) {
    mytab_->setCurrentIndex(adding ? 1 : 0);
    showPage(mytab_->currentIndex());
    for (QLineEdit* box : {mydesc_, who_, cmd_, start_})
        box->clear();
    txt_[0]->clear();
    txt_[1]->clear();
    List1_->clear();
    const CivilDateTime now = secondsToCivil(host_.clock().now());
    const platform::QtLocaleText& locale = host_.localeText();
    tme_->setText(locale.timeText(now.hour, now.minute));
    dte_->setText(locale.dateText(now.date));
    occ_->setText(QStringLiteral("1"));
    rep_->setCurrentIndex(1);
    styl_->setCurrentIndex(0);
    miss_->setChecked(false);
    for (QCheckBox* day : cday_)
        day->setChecked(false);
    applyRepeatUnitRule();
    setWindowTitle(QLatin1String(adding ? kAddCaption : kEditCaption));
}

void Form2::fill(const eventrec& record, const QPersistentModelIndex& row) {
    row_ = row;
    mytab_->setCurrentIndex(std::clamp<int>(record.action, 0, 2));
    showPage(mytab_->currentIndex());
    mydesc_->setText(platform::fromCp1252(trimmedText(record.desc)));
    if (const auto when = oleToCivil(record.when)) {
        dte_->setText(host_.localeText().dateText(when->date));
        tme_->setText(host_.localeText().timeText(when->hour, when->minute));
    }
    occ_->setText(QString::number(record.occ));
    rep_->setCurrentIndex(std::clamp(unitCode(record.rep), 0, 6));
    miss_->setChecked(runIfMissed(record.rep));
    for (int i = 0; i < 7; ++i)
        cday_[static_cast<std::size_t>(i)]->setChecked((record.days >> i) & 1U);
    const std::string extra(trimSpaces(std::string_view(record.extra.data(), record.extra.size())));
    switch (record.action) {
    case SendMail:
        txt_[0]->setPlainText(fromRecordText(record.txt));
        for (const std::string& name : splitRecipients(extra))
            List1_->addItem(platform::fromCp1252(name));
        break;
    case RunProgram:
        cmd_->setText(platform::fromCp1252(trimmedText(record.txt)));
        styl_->setCurrentIndex(std::clamp(static_cast<int>(leadingNumber(extra.substr(0, 1))), 0,
                                          static_cast<int>(std::size(kStyles)) - 1));
        start_->setText(extra.empty() ? QString() : platform::fromCp1252(extra.substr(1)));
        break;
    default:
        txt_[1]->setPlainText(fromRecordText(record.txt));
        break;
    }
    applyRepeatUnitRule();
}

void Form2::applyRepeatUnitRule() {
    const bool once = rep_->currentIndex() == Once;
    occ_->setEnabled(!once);
    QPalette palette = occ_->palette();
    palette.setColor(QPalette::Base, once ? QColor(192, 192, 192) : this->palette().color(QPalette::Base));
    occ_->setPalette(palette);
}

double Form2::mydate() {
    const platform::QtLocaleText& locale = host_.localeText();
    const auto date = locale.parseDate(dte_->text());
    const auto time = locale.parseTime(tme_->text());
    const auto when =
        date && time ? civilToOle({*date, time->hour, time->minute, time->second}) : std::optional<double>();
    if (!when) {
        platform::MessageDialog::show(this, QStringLiteral("There is a problem with the date/time setting(s)!"),
                                      QStringLiteral("Error!"), kErrorStyle);
        return 0.0;
    }
    return *when;
}

QString Form2::mytime2(double tme) const {
    return QString::fromStdString(mytime(tme, host_.localeText()));
}

int Form2::mydays() const {
    int mask = 0;
    for (int i = 0; i < 7; ++i)
        if (cday_[static_cast<std::size_t>(i)]->isChecked())
            mask += 1 << i;
    return mask;
}

QString Form2::mytos() const {
    QStringList names;
    for (int i = 0; i < List1_->count(); ++i)
        names << List1_->item(i)->text();
    return names.join(QLatin1Char(';'));
}

int Form2::ckaddress() {
    MailSystem& mail = host_.mailSystem();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString name;
    try {
        mail.signOn();
        mail.attachSession();
        mail.compose();
        for (int i = 0; i < List1_->count(); ++i) {
            name = List1_->item(i)->text();
            mail.setRecipient(i, name.toStdString());
            mail.resolveName(i);
        }
        QApplication::restoreOverrideCursor();
        mail.signOff();
        return 0;
    } catch (const MailError& e) {
        QApplication::restoreOverrideCursor();
        try {
            mail.signOff();
        } catch (const MailError&) {
        }
        refuse(QStringLiteral("There is a problem with the following address:\n") +
               QString(addressIndent(static_cast<std::size_t>(name.size())), QLatin1Char(' ')) + name +
               QStringLiteral("\n\n") + QString::fromStdString(e.what()));
        return 1;
    }
}

void Form2::addressBook() {
    MailSystem& mail = host_.mailSystem();
    try {
        mail.compose();
        for (int i = 0; i < List1_->count(); ++i)
            mail.setRecipient(i, List1_->item(i)->text().toStdString());
        mail.showAddressBook();
        List1_->clear();
        for (int i = 0; i < mail.recipientCount(); ++i)
            List1_->addItem(QString::fromStdString(mail.recipientName(i)));
    } catch (const MailError&) {
        // A cancelled or failed address book leaves the list as it was.
    }
}

bool Form2::refuse(const QString& text) {
    platform::MessageDialog::show(this, text, QStringLiteral("Error!"), kErrorStyle);
    return false;
}

void Form2::save() {
    eventrec record;
    record.action = static_cast<std::int16_t>(mytab_->currentIndex());

    if (mydesc_->text().trimmed().isEmpty()) {
        refuse(QStringLiteral("You must have a description!"));
        return;
    }
    record.when = mydate();
    if (record.when == 0.0)
        return;
    const int mask = mydays();
    if (mask == 127) {
        refuse(QStringLiteral("You cannot exclude ALL days"));
        return;
    }
    record.days = static_cast<unsigned char>(mask);

    // A count the record cannot hold, or one that would never move the event on, is refused.
    const double count = std::nearbyint(leadingNumber(occ_->text().toStdString()));
    const int unit = rep_->currentIndex();
    if (count < -32768 || count > 32767 || (unit != Once && count < 1)) {
        refuse(unit == Once ? QStringLiteral("The repeat count must be a whole number from -32768 to 32767!")
                            : QStringLiteral("The repeat count must be a whole number from 1 to 32767!"));
        return;
    }
    record.occ = static_cast<std::int16_t>(count);
    record.rep = static_cast<std::int16_t>(unit + (miss_->isChecked() ? kRunIfMissed : 0));

    // Every text goes into the file as Windows-1252; nothing the user typed is silently changed.
    const auto store = [this](std::span<char> field, const QString& text, bool multiLine, const char* name) {
        bool lossless = true;
        const std::string bytes = multiLine ? toRecordText(text, &lossless) : platform::toCp1252(text, &lossless);
        if (!lossless)
            return refuse(QStringLiteral("The %1 holds characters that Kalvor cannot store. Please replace them.")
                              .arg(QLatin1String(name)));
        assignText(field, bytes);
        return true;
    };
    if (!store(record.desc, mydesc_->text(), false, "description"))
        return;
    switch (record.action) {
    case SendMail:
        if (List1_->count() == 0) {
            refuse(QStringLiteral("You must have a recipient in the To list!"));
            return;
        }
        if (ckaddress() != 0)
            return;
        if (!store(record.txt, txt_[0]->toPlainText(), true, "message text") ||
            !store(record.extra, mytos(), false, "recipient list"))
            return;
        break;
    case DisplayMessage:
        if (!store(record.txt, txt_[1]->toPlainText(), true, "message text"))
            return;
        break;
    default: {
        if (cmd_->text().trimmed().isEmpty()) {
            refuse(QStringLiteral("You must have a command line to run!"));
            return;
        }
        // Typed text that names no style starts the program normally.
        const int style = std::max(0, styl_->findText(styl_->currentText().trimmed(), Qt::MatchFixedString));
        if (!store(record.txt, cmd_->text(), false, "command line") ||
            !store(record.extra, QString::number(style) + start_->text(), false, "starting directory"))
            return;
        break;
    }
    }

    const bool adding = windowTitle() == QLatin1String(kAddCaption);
    const QString description = mydesc_->text().trimmed();
    const QString next = QString::fromStdString(displayText(record.when, host_.localeText()));
    EventFile& file = host_.eventFile();
    try {
        // An edited event that a firing removed meanwhile is kept as a new one.
        const int editedRecord = adding ? 0 : host_.recordOfRow(row_);
        if (editedRecord > 0) {
            file.write(editedRecord, record);
            host_.replaceRow(row_, description, next);
        } else {
            const int count = file.count();
            if (count >= EventFile::kMaxRecords) {
                refuse(QStringLiteral("You cannot have more than %1 events!").arg(EventFile::kMaxRecords));
                return;
            }
            file.write(count + 1, record);
            host_.appendRow(count + 1, description, next);
        }
    } catch (const FileError& e) {
        refuse(QStringLiteral("The event could not be stored.\n\n") + QString::fromStdString(e.what()));
        return;
    }
    keepPosition();
    accept();
}

void Form2::cancel() {
    keepPosition();
    reject();
}

void Form2::keepPosition() {
    host_.setEditorPosition(QPoint(toTwips(pos().x()), toTwips(pos().y())));
}

void Form2::browse(bool forProgram) {
    Form4 browser(forProgram ? cmd_ : start_, this);
    browser.setWindowTitle(QLatin1String(forProgram ? Form4::kProgramCaption : Form4::kDirectoryCaption));
    browser.exec();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rep_ && event->type() == QEvent::KeyPress) {
        return platform::editsPickList(*static_cast<QKeyEvent*>(event));
    }
    if (watched == who_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            List1_->addItem(who_->text());
            who_->clear();
            return true;
        }
    }
    if (watched == List1_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (QListWidgetItem* item = List1_->currentItem(); item && item->isSelected())
            delete item;
        return true;
    }
    if (event->type() == QEvent::ContextMenu) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == List1_->viewport())
            widget = List1_;
        if (widget && widget->property("rightClickHelp").toBool()) {
            thiscontrol = widget;
            myclick_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
    }
    return NoCancelDialog::eventFilter(watched, event);
}

} // namespace kalvor
