#include "form1.h"

#include "eventlist.h"

#include "dialogs/form3.h"
#include "editor/form2.h"
#include "engine/clock.h"
#include "engine/displaytext.h"
#include "engine/fileerror.h"
#include "engine/listkey.h"
#include "engine/numbertext.h"
#include "platform/appicons.h"
#include "platform/textcodec.h"
#include "platform/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace kalvor {

namespace {

using platform::toPixels;
using platform::toTwips;

constexpr const char* kSection = "Kalvor";

struct PlacementKey {
    const char* key;
    const char* defaultText;
};
// Read and written in this order.
constexpr PlacementKey kPlacementKeys[] = {{"Left", "1200"},  {"Top", "585"},      {"Height", "3750"},
                                           {"Width", "5820"}, {"SubLeft", "1200"}, {"SubTop", "585"}};

constexpr int kMinWidth = 5820;  // twips
constexpr int kMinHeight = 3750; // twips

struct ToolbarButton {
    const char* key;
    const char* caption;
    const char* tip;
    const char* icon;
};
constexpr ToolbarButton kButtons[] = {
    {"add", "Add", "Add Event", "list-add"},
    {"edit", "Edit", "Edit Event", "document-edit"},
    {"remove", "Remove ", "Remove Event", "list-remove"},
    {"about", "aBout", "About Kalvor", "help-about"},
    {"minimize", "Minimize", "Minimize Kalvor", "window-minimize"},
    {"exit", "eXit", "Exit Kalvor", "application-exit"},
};

// Placement values are applied as stored, but kept well inside what the window system accepts.
int placementValue(double twips) {
    return static_cast<int>(std::clamp(twips, -1.0e7, 1.0e7));
}

std::int16_t toInt16(double twips) {
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(twips), -32768.0, 32767.0));
}

} // namespace

const QString& Form1::closeQuestion() {
    static const QString text = QStringLiteral("Are you sure you want to close Kalvor?\n"
                                               "\n"
                                               " If you wish to have the events remain active\n"
                                               "   you should minimize the Kalvor!");
    return text;
}

Form1::Form1(Setup setup, QWidget* parent)
    : QMainWindow(parent), setup_(std::move(setup)), file_(setup_.dataFolder), locale_(setup_.locale), messages_(this),
      placement_(setup_.placementFile) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(platform::programIcon());

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(60000);
    connect(Timer1_, &QTimer::timeout, this, [this] { scheduler_->tick(); });

    Tray_ = new QSystemTrayIcon(platform::programIcon(), this);
    Tray_->setObjectName(QStringLiteral("Tray"));
    connect(Tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        trayMouse(reason == QSystemTrayIcon::Trigger ? 1 : reason == QSystemTrayIcon::Context ? 2 : 0);
    });

    buildToolbar();

    auto* central = new QWidget(this);
    setCentralWidget(central);
    List1_ = new EventList(central);
    List1_->onCommandKey = [this](int code) { listKeyDown(code); };
    connect(List1_, &QTreeWidget::itemDoubleClicked, this, [this] { listKeyDown(13); });
    connect(List1_->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { List1_->sortItems(column, Qt::AscendingOrder); });
    List1_->header()->resizeSection(0, toPixels(3200));
    // Wide enough for a date and time in this locale, and never narrower than the design's.
    const QString sample = QString::fromStdString(displayText(*civilToOle({{2028, 12, 28}, 22, 58, 0}), locale_));
    List1_->header()->resizeSection(1, std::max(toPixels(1400), List1_->fontMetrics().horizontalAdvance(sample) + 16));

    statusBar()->setObjectName(QStringLiteral("stat"));
    statusBar()->setSizeGripEnabled(true);
    statusPanel_ = new QLabel(QString::fromLatin1(Scheduler::kStartupStatusText));
    statusPanel_->setObjectName(QStringLiteral("statPanel1"));
    clockPanel_ = new QLabel;
    clockPanel_->setObjectName(QStringLiteral("statPanel2"));
    clockPanel_->setAlignment(Qt::AlignCenter);
    clockPanel_->setMinimumWidth(toPixels(900));
    statusBar()->addWidget(statusPanel_, 1);
    statusBar()->addPermanentWidget(clockPanel_);
    clockTimer_ = new QTimer(this);
    connect(clockTimer_, &QTimer::timeout, this, &Form1::updateClock);
    clockTimer_->start(1000);
    updateClock();

    rtclk_ = new QMenu(QStringLiteral("leftclk"), this);
    rtclk_->setObjectName(QStringLiteral("rtclk"));
    QAction* show = rtclk_->addAction(QStringLiteral("Show Window"), this, [this] { trayMouse(1); });
    show->setObjectName(QStringLiteral("rtclk1"));
    QAction* quit = rtclk_->addAction(QStringLiteral("Quit"), this, [this] { listKeyDown(88); });
    quit->setObjectName(QStringLiteral("rtclk2"));

    resize(toPixels(kMinWidth), toPixels(kMinHeight));

    scheduler_ =
        std::make_unique<Scheduler>(file_, *setup_.clock, *this, messages_, *setup_.programs, *setup_.mail, locale_);
}

Form1::~Form1() = default;

void Form1::buildToolbar() {
    Toolbar1_ = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1_->setMovable(false);
    Toolbar1_->setFloatable(false);
    Toolbar1_->setIconSize(QSize(16, 16));
    Toolbar1_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QFont captions = Toolbar1_->font();
    captions.setPointSizeF(8);
    Toolbar1_->setFont(captions);
    // Six captions must fit the least window width.
    Toolbar1_->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; }"
                                            "QToolBar::separator { width: 4px; }"
                                            "QToolButton { padding: 0px 1px; margin: 0px; }"));
    Toolbar1_->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (const ToolbarButton& b : kButtons) {
        const QString key = QLatin1String(b.key);
        if (key == QLatin1String("about")) {
            auto* placeholder = new QWidget(Toolbar1_);
            placeholder->setFixedWidth(toPixels(500));
            Toolbar1_->addWidget(placeholder);
        } else {
            Toolbar1_->addSeparator();
        }
        QAction* action = Toolbar1_->addAction(platform::commandIcon(QLatin1String(b.icon)), QLatin1String(b.caption));
        action->setObjectName(key);
        action->setToolTip(QLatin1String(b.tip));
        connect(action, &QAction::triggered, this, [this, key] { toolbarClick(key); });
        if (QWidget* button = Toolbar1_->widgetForAction(action)) {
            button->setMinimumWidth(toPixels(750));
            button->setFixedHeight(toPixels(540));
        }
    }
}

void Form1::load() {
    splash_ = Form3::presentSplash();
    fillList();
    loadPlacement();
    if (setup_.splashMilliseconds > 0)
        QTimer::singleShot(setup_.splashMilliseconds, this, &Form1::finishStartup);
    else
        finishStartup();
}

void Form1::finishStartup() {
    if (splash_) {
        splash_->close();
        splash_ = nullptr;
    }
    scheduler_->nextmsg();
    show();
    // The stored size is the outer one; the frame is known once the window is on screen, and with
    // some window managers a moment later.
    applyOuterSize();
    QTimer::singleShot(300, this, &Form1::applyOuterSize);
    emit loaded();
}

void Form1::fillList() {
    QList<QTreeWidgetItem*> items;
    try {
        file_.forEach([&](int n, const eventrec& record) {
            items.append(EventList::makeItem(QString::fromStdString(keyOf(n)),
                                             platform::fromCp1252(trimmedText(record.desc)),
                                             QString::fromStdString(displayText(record.when, locale_))));
            return true;
        });
    } catch (const FileError& e) {
        showFileError(e);
    }
    List1_->addTopLevelItems(items);
}

void Form1::loadPlacement() {
    double values[std::size(kPlacementKeys)];
    for (std::size_t i = 0; i < std::size(kPlacementKeys); ++i) {
        QString text = placement_.readString(QLatin1String(kSection), QLatin1String(kPlacementKeys[i].key));
        if (text.isEmpty())
            text = QLatin1String(kPlacementKeys[i].defaultText);
        values[i] = leadingNumber(text.toStdString());
    }
    move(toPixels(placementValue(values[0])), toPixels(placementValue(values[1])));
    outerSize_ = QSize(toPixels(placementValue(values[3])), toPixels(placementValue(values[2])));
    applyOuterSize();
    subleft = toInt16(values[4]);
    subtop = toInt16(values[5]);
}

void Form1::applyOuterSize() {
    const QSize frame = frameGeometry().size() - geometry().size();
    setMinimumSize(QSize(toPixels(kMinWidth), toPixels(kMinHeight)) - frame);
    resize(outerSize_ - frame);
}

void Form1::savePlacement() {
    const QRect outer = frameGeometry();
    const int values[] = {
        toTwips(outer.x()), toTwips(outer.y()), toTwips(outer.height()), toTwips(outer.width()), subleft, subtop};
    for (std::size_t i = 0; i < std::size(kPlacementKeys); ++i)
        placement_.writeString(QLatin1String(kSection), QLatin1String(kPlacementKeys[i].key),
                               QString::number(values[i]));
}

void Form1::listKeyDown(int keyCode) {
    switch (keyCode) {
    case 27:
    case 77:
        minimizeToTray();
        break;
    case 13:
    case 69:
        editEvent();
        break;
    case 46:
    case 82:
        removeEvent();
        break;
    case 45:
    case 65:
        addEvent();
        break;
    case 88:
        queryUnload(ProgramClose);
        break;
    case 66:
        Form3::presentAbout(this);
        break;
    default:
        break;
    }
}

void Form1::toolbarClick(const QString& buttonKey) {
    static const std::pair<const char*, int> codes[] = {{"exit", 88},   {"add", 45},      {"edit", 13},
                                                        {"remove", 46}, {"minimize", 27}, {"about", 66}};
    for (const auto& [key, code] : codes) {
        if (buttonKey == QLatin1String(key)) {
            listKeyDown(code);
            return;
        }
    }
}

void Form1::addEvent() {
    setStatusText("Add Event");
    runEditor(true, std::nullopt, QPersistentModelIndex());
    if (!closing_) // the program may have been ended while the editor was open
        scheduler_->nextmsg();
}

void Form1::editEvent() {
    setStatusText("Edit Event");
    const QList<QTreeWidgetItem*> selected = List1_->selectedItems();
    if (selected.isEmpty())
        return;
    std::optional<eventrec> record;
    try {
        record = file_.read(EventList::recordOf(selected.first()));
    } catch (const FileError& e) {
        showFileError(e);
        return;
    }
    runEditor(false, record, QPersistentModelIndex(List1_->indexOf(selected.first())));
    if (!closing_)
        scheduler_->nextmsg();
}

void Form1::runEditor(bool adding, const std::optional<eventrec>& record, const QPersistentModelIndex& row) {
    Form2 editor(*this, this);
    editor.reset(adding);
    if (record)
        editor.fill(*record, row);
    editor.move(toPixels(subleft), toPixels(subtop));
    editor.exec();
}

int Form1::recordOfRow(const QPersistentModelIndex& row) const {
    const QTreeWidgetItem* item = row.isValid() ? List1_->itemOf(row) : nullptr;
    return item ? EventList::recordOf(item) : 0;
}

void Form1::appendRow(int record, const QString& description, const QString& nextOccurrence) {
    List1_->addTopLevelItem(EventList::makeItem(QString::fromStdString(keyOf(record)), description, nextOccurrence));
}

void Form1::replaceRow(const QPersistentModelIndex& row, const QString& description, const QString& nextOccurrence) {
    if (QTreeWidgetItem* item = row.isValid() ? List1_->itemOf(row) : nullptr) {
        item->setText(0, description);
        item->setText(1, nextOccurrence);
    }
}

void Form1::setEditorPosition(QPoint twips) {
    subleft = static_cast<std::int16_t>(std::clamp(twips.x(), -32768, 32767));
    subtop = static_cast<std::int16_t>(std::clamp(twips.y(), -32768, 32767));
}

void Form1::removeEvent() {
    const QList<QTreeWidgetItem*> selected = List1_->selectedItems();
    if (selected.isEmpty())
        return;
    const int record = EventList::recordOf(selected.first());
    try {
        file_.remove(record);
    } catch (const FileError& e) {
        showFileError(e);
        return;
    }
    removeListItem(record);
    scheduler_->nextmsg();
}

void Form1::minimizeToTray() {
    if (!setup_.trayAvailable()) {
        // Without a notification area a hidden window could not be brought back.
        showMinimized();
        return;
    }
    Tray_->setVisible(true);
    hide();
}

void Form1::trayMouse(int button) {
    if (button == 1) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
        Tray_->setVisible(false);
    } else if (button == 2) {
        rtclk_->popup(QCursor::pos());
    }
}

bool Form1::queryUnload(int closeMode) {
    if (closing_)
        return true;
    if (closeMode == UserClose || closeMode == ProgramClose) {
        const int style = MessageStyle::YesNo | MessageStyle::Question | MessageStyle::DefaultButton2; // 292
        if (platform::MessageDialog::show(this, closeQuestion(), QLatin1String(kCloseTitle), style) !=
            MessageAnswer::Yes)
            return false;
    }
    closing_ = true;
    Timer1_->stop();
    savePlacement();
    Tray_->hide();
    setup_.quit();
    return true;
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize frame = frameGeometry().size() - geometry().size();
    const int width = toTwips(this->width() + frame.width());
    const int height = toTwips(this->height() + frame.height());
    const QPoint listPlace = QPoint(toPixels(105), toPixels(630)) - centralWidget()->pos();
    List1_->setGeometry(listPlace.x(), std::max(0, listPlace.y()), toPixels(width - 320), toPixels(height - 1500));
    setMinimumSize(toPixels(kMinWidth) - frame.width(), toPixels(kMinHeight) - frame.height());
    if (height < kMinHeight || width < kMinWidth)
        resize(toPixels(std::max(width, kMinWidth)) - frame.width(),
               toPixels(std::max(height, kMinHeight)) - frame.height());
    QHeaderView* header = List1_->header();
    header->resizeSection(0, toPixels(width - 2580));
    if (header->sectionSize(1) < toPixels(1400))
        header->resizeSection(1, toPixels(1400));
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) && setup_.trayAvailable()) {
        // The window is never left minimized: it goes back to normal and into the tray.
        QTimer::singleShot(0, this, [this] {
            if (!(windowState() & Qt::WindowMinimized))
                return;
            setWindowState(windowState() & ~Qt::WindowMinimized);
            listKeyDown(27);
        });
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (queryUnload(UserClose))
        event->accept();
    else
        event->ignore();
}

void Form1::showFileError(const FileError& error) {
    platform::MessageDialog::show(
        this, QStringLiteral("The event file could not be read or written.\n\n") + QString::fromStdString(error.what()),
        QString::fromLatin1(Scheduler::kErrorTitle), MessageStyle::Critical);
}

void Form1::updateClock() {
    const CivilDateTime now = secondsToCivil(setup_.clock->now());
    clockPanel_->setText(locale_.timeText(now.hour, now.minute));
}

std::string Form1::statusText() const {
    return statusPanel_->text().toStdString();
}

void Form1::setStatusText(const std::string& text) {
    statusPanel_->setText(QString::fromStdString(text));
}

void Form1::setTrayTip(const std::string& text) {
    Tray_->setToolTip(QString::fromStdString(text));
}

void Form1::setTimerEnabled(bool enabled) {
    if (enabled)
        Timer1_->start();
    else
        Timer1_->stop();
}

void Form1::setTimerInterval(int milliseconds) {
    if (Timer1_->interval() != milliseconds)
        Timer1_->setInterval(milliseconds);
}

void Form1::setNextOccurrenceText(int record, const std::string& text) {
    const QString qtext = QString::fromStdString(text);
    for (int i = 0; i < List1_->topLevelItemCount(); ++i)
        if (QTreeWidgetItem* item = List1_->topLevelItem(i); EventList::recordOf(item) == record)
            item->setText(1, qtext);
}

void Form1::removeListItem(int record) {
    for (int i = List1_->topLevelItemCount() - 1; i >= 0; --i)
        if (EventList::recordOf(List1_->topLevelItem(i)) == record)
            delete List1_->takeTopLevelItem(i);
    for (int i = 0; i < List1_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = List1_->topLevelItem(i);
        if (const int k = EventList::recordOf(item); k > record)
            EventList::setKey(item, QString::fromStdString(keyOf(k - 1)));
    }
}

} // namespace kalvor
