#pragma once

#include "editor/editorhost.h"
#include "engine/eventfile.h"
#include "engine/hostwindow.h"
#include "engine/scheduler.h"
#include "platform/messagedialog.h"
#include "platform/profilefile.h"
#include "platform/qtlocaletext.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QToolBar;

namespace kalvor {

class Clock;
class FileError;
class EventList;
class MailSystem;
class ProgramStarter;

// The main window: the list of events, the toolbar, the status bar, the tray icon and the timer
// that drives the scheduler. Every command runs through listKeyDown().
class Form1 : public QMainWindow, public HostWindow, public EditorHost {
    Q_OBJECT
public:
    struct Setup {
        std::filesystem::path dataFolder;
        QString placementFile; // Kalvor.ini
        const Clock* clock = nullptr;
        ProgramStarter* programs = nullptr;
        MailSystem* mail = nullptr;
        // Asked at each minimize: a desktop's notification area may start after Kalvor.
        std::function<bool()> trayAvailable = [] { return true; };
        int splashMilliseconds = 3000;
        // Ends the program; tests record it instead.
        std::function<void()> quit = [] { QCoreApplication::exit(0); };
        QLocale locale = QLocale();
    };

    // Close modes of queryUnload().
    enum CloseMode { UserClose = 0, ProgramClose = 1, SessionEnd = 2, TaskManager = 3 };

    static constexpr const char* kCaption = "Kalvor!";
    static constexpr const char* kCloseTitle = "ShutDown Kalvor?";
    static const QString& closeQuestion();

    explicit Form1(Setup setup, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: the splash, the list from the event file, the placement, then (after the splash's
    // pause) the first scan and the window shown. Emits loaded() at the end.
    void load();

    // The command dispatcher, by key code (Esc/M minimize, Enter/E edit, Delete/R remove,
    // Insert/A add, X exit, B about).
    void listKeyDown(int keyCode);
    void toolbarClick(const QString& buttonKey);
    // The tray icon's mouse event: 1 left button, 2 right button.
    void trayMouse(int button);
    // The close handler: asks first for modes 0 and 1, then saves the placement and ends the
    // program. False when the user chose to keep Kalvor running.
    bool queryUnload(int closeMode);

    void nextmsg() { scheduler_->nextmsg(); }
    Scheduler& scheduler() { return *scheduler_; }

    std::int16_t subleft = 1200;
    std::int16_t subtop = 585;

    // HostWindow
    std::string statusText() const override;
    void setStatusText(const std::string& text) override;
    void setTrayTip(const std::string& text) override;
    void setTimerEnabled(bool enabled) override;
    void setTimerInterval(int milliseconds) override;
    void setNextOccurrenceText(int record, const std::string& text) override;
    void removeListItem(int record) override;

    // EditorHost
    EventFile& eventFile() override { return file_; }
    const Clock& clock() const override { return *setup_.clock; }
    const platform::QtLocaleText& localeText() const override { return locale_; }
    MailSystem& mailSystem() override { return *setup_.mail; }
    int recordOfRow(const QPersistentModelIndex& row) const override;
    void appendRow(int record, const QString& description, const QString& nextOccurrence) override;
    void replaceRow(const QPersistentModelIndex& row, const QString& description,
                    const QString& nextOccurrence) override;
    QPoint editorPosition() const override { return QPoint(subleft, subtop); }
    void setEditorPosition(QPoint twips) override;

signals:
    void loaded();

protected:
    // Opens the event editor, adding (record empty) or editing the record of `row`; the editor
    // stores the event.
    virtual void runEditor(bool adding, const std::optional<eventrec>& record, const QPersistentModelIndex& row);

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolbar();
    void fillList();
    void loadPlacement();
    void savePlacement();
    void applyOuterSize();
    void finishStartup();
    void addEvent();
    void editEvent();
    void removeEvent();
    void minimizeToTray();
    void showFileError(const FileError& error);
    void updateClock();

    Setup setup_;
    EventFile file_;
    platform::QtLocaleText locale_;
    platform::QtMessageBoxes messages_;
    platform::ProfileFile placement_;
    std::unique_ptr<Scheduler> scheduler_;

    QTimer* Timer1_;
    QTimer* clockTimer_;
    QToolBar* Toolbar1_;
    EventList* List1_;
    QLabel* statusPanel_;
    QLabel* clockPanel_;
    QSystemTrayIcon* Tray_;
    QMenu* rtclk_;
    class Form3* splash_ = nullptr;
    QSize outerSize_;
    bool closing_ = false;
};

} // namespace kalvor
